#include "host/aax_vhost_services.h"

#include "host/host_component.h"
#include "host/host_reference.h"

AAX_VHostServices::AAX_VHostServices(IACFUnknown* host)
    : mServices(static_cast<HostGeneralServices*>(
          CreateHostComponent(host, CLSID_HostGeneralServices, IID_HostGeneralServices).object)) {}

AAX_VHostServices::~AAX_VHostServices() {
    ReleaseHostInterface(mServices);
}

Result AAX_VHostServices::HostServicesSlot1(const char* a1, int32_t a2, const char* a3) const {
    return mServices ? mServices->HostGeneralServicesSlot3(a1, a2, a3) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VHostServices::HostServicesSlot2(int32_t a1, const char* a2) const {
    return mServices ? mServices->HostGeneralServicesSlot4(a1, a2) : AAX_ERROR_NULL_OBJECT;
}
