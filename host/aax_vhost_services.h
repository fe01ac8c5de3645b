// AAX_IHostServices over the host's services component, which it creates through the host's
// component factory. Both operations forward unchanged, or answer AAX_ERROR_NULL_OBJECT without
// the component.
#pragma once

#include "abi/acf.h"
#include "abi/host_services.h"
#include "host/aax_host_services.h"

class AAX_VHostServices : public AAX_IHostServices {
  public:
    // Creates the services component through the component factory of `host` (possibly null)
    // and keeps one reference on it. Throws ACFException(ACF_E_POINTER) when the host reports a
    // factory but hands over none.
    explicit AAX_VHostServices(IACFUnknown* host);
    ~AAX_VHostServices() override;
    AAX_VHostServices(const AAX_VHostServices&) = delete;
    AAX_VHostServices& operator=(const AAX_VHostServices&) = delete;

    AAX_Result HandleAssertFailure(const char* file, int32_t line, const char* note) const override;
    AAX_Result Trace(int32_t priority, const char* message) const override;

  private:
    AAX_IACFHostServices* mServices = nullptr;
};
