// Where the plug-in's own parameter edits land: the effect's parameter of the identifier that the
// plug-in gave. The effect-parameters object implements it, so that the bridge reaches the
// effect's parameters without knowing their types. Called from whichever thread the plug-in
// reports on, while the plug-in is inside its call to the host.
#pragma once

class VstAutomationTarget {
  public:
    virtual ~VstAutomationTarget() = default;
    // Each does nothing when no parameter has the identifier.
    virtual void PlugInAutomated(const char* identifier, double normalizedValue) = 0;
    virtual void PlugInBeganEdit(const char* identifier) = 0;
    virtual void PlugInEndedEdit(const char* identifier) = 0;
};
