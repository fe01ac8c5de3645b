#include "host/aax_vautomation_delegate.h"

#include "host/host_reference.h"

AAX_VAutomationDelegate::AAX_VAutomationDelegate(IACFUnknown* host) {
    if (host == nullptr) return;
    mDelegate = QueryHostInterface<HostAutomationDelegate>(host, IID_HostAutomationDelegate);
}

AAX_VAutomationDelegate::~AAX_VAutomationDelegate() {
    ReleaseHostInterface(mDelegate);
}

Result AAX_VAutomationDelegate::RegisterParameter(ParameterId id) {
    return mDelegate ? mDelegate->RegisterParameter(id) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VAutomationDelegate::UnregisterParameter(ParameterId id) {
    return mDelegate ? mDelegate->UnregisterParameter(id) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VAutomationDelegate::PostSetValueRequest(ParameterId id, double normalized) const {
    return mDelegate ? mDelegate->PostSetValueRequest(id, normalized) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VAutomationDelegate::PostCurrentValue(ParameterId id, double normalized) const {
    return mDelegate ? mDelegate->PostCurrentValue(id, normalized) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VAutomationDelegate::PostTouchRequest(ParameterId id) {
    return mDelegate ? mDelegate->PostTouchRequest(id) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VAutomationDelegate::PostReleaseRequest(ParameterId id) {
    return mDelegate ? mDelegate->PostReleaseRequest(id) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VAutomationDelegate::GetTouchState(ParameterId id, bool* touched) {
    return mDelegate ? mDelegate->GetTouchState(id, touched) : AAX_ERROR_NULL_OBJECT;
}
