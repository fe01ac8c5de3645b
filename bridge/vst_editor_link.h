// Where the plug-in's display updates land: the instance's editor, which registers itself while
// it is initialised and unregisters before it goes. Called from whichever thread the plug-in
// reports on, while the plug-in is inside its call to the host.
#pragma once

class VstEditorLink {
  public:
    virtual ~VstEditorLink() = default;
    // The plug-in's parameter of this identifier may show another value.
    virtual void PlugInParameterChanged(const char* identifier) = 0;
};
