#include "host/aax_vhost_services.h"

#include "abi/component_factory.h"
#include "host/acf_exception.h"
#include "host/host_reference.h"

AAX_VHostServices::AAX_VHostServices(IACFUnknown* host) {
    if (host == nullptr) return;
    void* answer = nullptr;
    if (host->QueryInterface(IID_IACFComponentFactory, &answer) != ACF_OK) return;
    auto* factory = static_cast<IACFComponentFactory*>(answer);
    if (factory == nullptr) throw ACFException(ACF_E_POINTER);
    void* services = nullptr;
    factory->CreateComponent(CLSID_AAX_HostServices, nullptr, IID_AAX_IACFHostServices, &services);
    mServices = static_cast<AAX_IACFHostServices*>(services);
    factory->Release();
}

AAX_VHostServices::~AAX_VHostServices() {
    ReleaseHostInterface(mServices);
}

AAX_Result AAX_VHostServices::HandleAssertFailure(const char* file, int32_t line,
                                                  const char* note) const {
    return mServices ? mServices->HandleAssertFailure(file, line, note) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VHostServices::Trace(int32_t priority, const char* message) const {
    return mServices ? mServices->Trace(priority, message) : AAX_ERROR_NULL_OBJECT;
}
