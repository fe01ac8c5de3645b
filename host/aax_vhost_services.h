// AAX_IHostServices over the host's services component, which it creates through the host's
// component factory. Both operations forward unchanged, or answer AAX_ERROR_NULL_OBJECT without
// the component.
#pragma once

#include "abi/host_services.h"
#include "abi/unknown.h"
#include "host/aax_host_services.h"

class AAX_VHostServices : public AAX_IHostServices {
  public:
    // Creates the services component through the component factory of `host` (possibly null)
    // and keeps one reference on it. Throws ResultError(ACF_E_POINTER) when the host reports a
    // factory but hands over none.
    explicit AAX_VHostServices(IACFUnknown* host);
    ~AAX_VHostServices() override;
    AAX_VHostServices(const AAX_VHostServices&) = delete;
    AAX_VHostServices& operator=(const AAX_VHostServices&) = delete;

    Result HostServicesSlot1(const char*, int32_t, const char*) const override;
    Result HostServicesSlot2(int32_t, const char*) const override;

  private:
    HostGeneralServices* mServices = nullptr;
};
