#include "editor/aaxwrapper_effect_gui.h"

#include <cmath>

#include "bridge/vst_callback.h"
#include "parameters/aaxwrapper_parameters.h"

namespace {

constexpr float kEmptyViewSize = 100.0f;
constexpr int32_t kKeyDownIndex = 50;
constexpr intptr_t kKeyDownValue = 26;

// The low 16 bits of `value` truncated toward zero; 0 for what is not a number or infinite.
int16_t LowBitsOf(float value) {
    const double truncated = std::trunc(static_cast<double>(value));
    if (!std::isfinite(truncated)) return 0;
    const auto low = static_cast<int32_t>(std::fmod(truncated, 65536.0));
    return static_cast<int16_t>(static_cast<uint16_t>(low));
}

}  // namespace

AAXWrapper_CEffectGUI::~AAXWrapper_CEffectGUI() {
    Disconnect();
}

Result AAXWrapper_CEffectGUI::Uninitialize() {
    Disconnect();
    return AAX_CEffectGUI::Uninitialize();
}

void AAXWrapper_CEffectGUI::CreateViewContents() {
    mVstInterface = nullptr;
    if (EffectParameters() == nullptr) return;
    // Only the module's own effect-parameters object answers this; any other leaves the editor
    // without plug-in.
    void* answer = nullptr;
    if (EffectParameters()->QueryInterface(IID_AAXWrapper_Parameters, &answer) != AAX_SUCCESS ||
        answer == nullptr) {
        return;
    }
    auto* parameters = static_cast<AAXWrapper_Parameters*>(answer);
    mVstInterface = parameters->GetVstInterface();
    // The base keeps its own reference on the object for as long as the editor uses it.
    parameters->Release();
    mVstInterface->callBack->editor = this;
    // A view that stayed attached while the editor was uninitialised shows the plug-in's editor
    // again: Uninitialize closed it.
    if (ViewContainer() != nullptr) {
        CreateViewContainer();
        UpdateAllParameters();
    }
}

Result AAXWrapper_CEffectGUI::GetViewSize(AAX_Point* size) const {
    if (size == nullptr) return AAX_ERROR_NULL_OBJECT;
    size->vert = kEmptyViewSize;
    size->horz = kEmptyViewSize;
    if (mVstInterface == nullptr || mVstInterface->effect == nullptr) return AAX_SUCCESS;
    mVstInterface->Dispatch(effEditGetRect, 0, 0, &mVstInterface->editorRect);
    const ERect* rect = mVstInterface->editorRect;
    if (rect == nullptr) return AAX_SUCCESS;
    size->vert = static_cast<float>(rect->bottom - rect->top);
    size->horz = static_cast<float>(rect->right - rect->left);
    return AAX_SUCCESS;
}

Result AAXWrapper_CEffectGUI::Draw(AAX_Rect* rect) {
    if (mVstInterface == nullptr || rect == nullptr) return AAX_SUCCESS;
    ERect area{LowBitsOf(rect->top), LowBitsOf(rect->left), LowBitsOf(rect->top + rect->height),
               LowBitsOf(rect->left + rect->width)};
    mVstInterface->Dispatch(effPrivateRedraw, 0, 0, &area);
    return AAX_SUCCESS;
}

Result AAXWrapper_CEffectGUI::TimerWakeup() {
    if (mVstInterface == nullptr) return AAX_SUCCESS;
    mVstInterface->callBack->DeliverQueuedReports(mVstInterface->IsUsable() ? mVstInterface->effect
                                                                            : nullptr);
    mVstInterface->Dispatch(effEditIdle);
    return AAX_SUCCESS;
}

void AAXWrapper_CEffectGUI::CreateViewContainer() {
    // The old view is gone, and a plug-in editor still open in it would draw into a dead parent.
    ClosePlugInEditor();
    AAX_IViewContainer* view = ViewContainer();
    if (view == nullptr || view->GetType() != kViewTypeWindowHandle) return;
    AttachEditorWindow(view->GetPtr());
}

void AAXWrapper_CEffectGUI::AttachEditorWindow(void* window) {
    if (mVstInterface == nullptr) return;
    ClosePlugInEditor();
    mVstInterface->Dispatch(effPrivatePrepareEditor, 0, 0, nullptr, 1.0f);
    mVstInterface->OpenEditor(window);
    mPlugInEditorOpen = mVstInterface->IsUsable();
    mVstInterface->Dispatch(effPrivateRedraw);
}

void AAXWrapper_CEffectGUI::DeleteViewContainer() {
    ClosePlugInEditor();
}

void AAXWrapper_CEffectGUI::ClosePlugInEditor() {
    // A second effEditClose crashes many plug-ins.
    if (!mPlugInEditorOpen) return;
    mVstInterface->Dispatch(effEditKeyDown, kKeyDownIndex, kKeyDownValue);
    mVstInterface->Dispatch(effEditClose);
    mPlugInEditorOpen = false;
}

void AAXWrapper_CEffectGUI::PlugInParameterChanged(const char* identifier) {
    ParameterUpdated(identifier);
}

void AAXWrapper_CEffectGUI::Disconnect() {
    if (mVstInterface == nullptr) return;
    if (mPlugInEditorOpen) {
        mVstInterface->Dispatch(effEditClose);
        mPlugInEditorOpen = false;
    }
    if (mVstInterface->callBack->editor == this) mVstInterface->callBack->editor = nullptr;
    mVstInterface = nullptr;
}
