// The wrapper's editor: the wrapped plug-in's own editor window, opened inside the view that the
// host gives. It reaches the plug-in through the instance's effect-parameters object and passes
// the host's size requests, redraws and idle timer on to it.
//
// Attaching to a view of type 3 (a native window handle), towards the plug-in:
//   1. effPrivatePrepareEditor (-16) with option 1.0;
//   2. effEditGetRect, then effEditOpen with the window handle;
//   3. effPrivateRedraw (-1) without a rectangle.
// Detaching: effEditKeyDown (index 50, value 26), then effEditClose, when the plug-in's editor is
// open; a new view first detaches from the old one. Views of other types leave the plug-in's
// editor closed. The plug-in's editor is never opened while open nor closed while closed.
//
// While initialised the editor is the instance's VstEditorLink, so the plug-in's display updates
// reach ParameterUpdated; it unlinks itself, and closes a plug-in editor still open, before the
// effect-parameters object may go (Uninitialize) and before it is destroyed. Initialised again
// while the host's view stayed attached, it opens the plug-in's editor in that view again.
#pragma once

#include "bridge/vst_editor_link.h"
#include "bridge/vst_interface.h"
#include "editor/aax_effect_gui.h"

class AAXWrapper_CEffectGUI : public AAX_CEffectGUI, private VstEditorLink {
  public:
    AAXWrapper_CEffectGUI() = default;
    ~AAXWrapper_CEffectGUI() override;

    Result Uninitialize() override;
    // The plug-in's editor rectangle, asked afresh; 100 x 100 without plug-in or rectangle.
    Result GetViewSize(AAX_Point* size) const override;
    Result Draw(AAX_Rect* rect) override;
    // Hands on the plug-in's reports queued during blocks, then effEditIdle, with or without a
    // view.
    Result TimerWakeup() override;
    void CreateViewContents() override;
    void CreateViewContainer() override;
    void DeleteViewContainer() override;

    // Opens the plug-in's editor as a child of `window`, closing it first where it is open.
    virtual void AttachEditorWindow(void* window);

  private:
    void PlugInParameterChanged(const char* identifier) override;
    // The detach sequence, sent only while the plug-in's editor is open.
    void ClosePlugInEditor();
    // Closes a plug-in editor left open and unlinks the editor from the plug-in's host callback.
    void Disconnect();

    VstInterface* mVstInterface = nullptr;  // the effect-parameters object's
    bool mPlugInEditorOpen = false;
};
