#include "editor/aax_effect_gui.h"

#include "host/aax_string.h"

AAX_CEffectGUI::~AAX_CEffectGUI() {
    if (mEffectParameters != nullptr) mEffectParameters->Release();
}

Result AAX_CEffectGUI::InternalQueryInterface(const InterfaceId& iid, void** out) {
    if (out != nullptr && iid == IID_AAX_IACFEffectGUI) {
        AAX_IACFEffectGUI* self = this;
        *out = self;
        self->AddRef();
        return AAX_SUCCESS;
    }
    return CACFUnknown::InternalQueryInterface(iid, out);
}

Result AAX_CEffectGUI::Initialize(IACFUnknown* controller) {
    // A second Initialize first ends the first, so that no reference is held twice.
    if (mController != nullptr) Uninitialize();
    mController = std::make_unique<AAX_VController>(controller);
    if (controller == nullptr) return AAX_ERROR_NOT_INITIALIZED;
    void* effectParameters = nullptr;
    if (controller->QueryInterface(IID_AAX_IACFEffectParameters, &effectParameters) ==
        AAX_SUCCESS) {
        mEffectParameters = static_cast<AAX_IACFEffectParameters*>(effectParameters);
    }
    mTransport = std::make_unique<AAX_VTransport>(controller);
    CreateViewContents();
    return AAX_SUCCESS;
}

Result AAX_CEffectGUI::Uninitialize() {
    if (mEffectParameters != nullptr) {
        mEffectParameters->Release();
        mEffectParameters = nullptr;
    }
    mController.reset();
    mTransport.reset();
    return AAX_SUCCESS;
}

Result AAX_CEffectGUI::NotificationReceived(TypeCode /*type*/, const void* /*data*/,
                                            uint32_t /*size*/) {
    return AAX_SUCCESS;
}

Result AAX_CEffectGUI::SetViewContainer(IACFUnknown* viewContainer) {
    // The old wrapper goes before a new one is made.
    mViewContainer.reset();
    if (viewContainer == nullptr) {
        DeleteViewContainer();
        return AAX_SUCCESS;
    }
    mViewContainer = std::make_unique<AAX_VViewContainer>(viewContainer);
    CreateViewContainer();
    UpdateAllParameters();
    return AAX_SUCCESS;
}

Result AAX_CEffectGUI::GetViewSize(AAX_Point* /*size*/) const {
    return AAX_SUCCESS;
}

Result AAX_CEffectGUI::Draw(AAX_Rect* /*rect*/) {
    return AAX_SUCCESS;
}

Result AAX_CEffectGUI::TimerWakeup() {
    return AAX_SUCCESS;
}

Result AAX_CEffectGUI::ParameterUpdated(ParameterId /*id*/) {
    return AAX_SUCCESS;
}

Result AAX_CEffectGUI::GetCustomLabel(int32_t /*selector*/, AAX_IString* /*label*/) const {
    return AAX_ERROR_NULL_OBJECT;
}

Result AAX_CEffectGUI::SetControlHighlightInfo(ParameterId /*id*/, bool /*highlighted*/,
                                               int32_t /*color*/) {
    return AAX_SUCCESS;
}

void AAX_CEffectGUI::UpdateAllParameters() {
    if (mEffectParameters == nullptr) return;
    int32_t count = 0;
    if (mEffectParameters->GetNumberOfParameters(&count) != AAX_SUCCESS) return;
    for (int32_t index = 0; index < count; ++index) {
        AAX_CString identifier;
        if (mEffectParameters->GetParameterIDFromIndex(index, &identifier) == AAX_SUCCESS) {
            ParameterUpdated(identifier.Get());
        }
    }
}
