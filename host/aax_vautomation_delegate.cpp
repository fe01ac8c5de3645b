#include "host/aax_vautomation_delegate.h"

#include "host/host_reference.h"

AAX_VAutomationDelegate::AAX_VAutomationDelegate(IACFUnknown* host) {
    if (host == nullptr) return;
    mDelegate =
        QueryHostInterface<AAX_IACFAutomationDelegate>(host, IID_AAX_IACFAutomationDelegate);
}

AAX_VAutomationDelegate::~AAX_VAutomationDelegate() {
    ReleaseHostInterface(mDelegate);
}

AAX_Result AAX_VAutomationDelegate::RegisterParameter(AAX_CParamID id) {
    return mDelegate ? mDelegate->RegisterParameter(id) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VAutomationDelegate::UnregisterParameter(AAX_CParamID id) {
    return mDelegate ? mDelegate->UnregisterParameter(id) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VAutomationDelegate::PostSetValueRequest(AAX_CParamID id, double normalized) const {
    return mDelegate ? mDelegate->PostSetValueRequest(id, normalized) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VAutomationDelegate::PostCurrentValue(AAX_CParamID id, double normalized) const {
    return mDelegate ? mDelegate->PostCurrentValue(id, normalized) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VAutomationDelegate::PostTouchRequest(AAX_CParamID id) {
    return mDelegate ? mDelegate->PostTouchRequest(id) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VAutomationDelegate::PostReleaseRequest(AAX_CParamID id) {
    return mDelegate ? mDelegate->PostReleaseRequest(id) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VAutomationDelegate::GetTouchState(AAX_CParamID id, bool* touched) {
    return mDelegate ? mDelegate->GetTouchState(id, touched) : AAX_ERROR_NULL_OBJECT;
}
