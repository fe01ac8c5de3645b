#include "host/aax_vhost_services.h"

#include "host/host_component.h"
#include "host/host_reference.h"

AAX_VHostServices::AAX_VHostServices(IACFUnknown* host)
    : mServices(static_cast<AAX_IACFHostServices*>(
          CreateHostComponent(host, CLSID_AAX_HostServices, IID_AAX_IACFHostServices).object)) {}

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
