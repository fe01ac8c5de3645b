// AAX_IViewContainer over the host's view container. Forwards every operation unchanged; without
// a host view the type is 0, the native view null, ViewContainerSlot4 answers 0 and the other
// operations AAX_ERROR_UNIMPLEMENTED.
#pragma once

#include "abi/host_view_container.h"
#include "abi/unknown.h"
#include "host/aax_view_container.h"

class AAX_VViewContainer : public AAX_IViewContainer {
  public:
    // Takes one reference on the view container interface of `view` (possibly null).
    explicit AAX_VViewContainer(IACFUnknown* view);
    ~AAX_VViewContainer() override;
    AAX_VViewContainer(const AAX_VViewContainer&) = delete;
    AAX_VViewContainer& operator=(const AAX_VViewContainer&) = delete;

    int32_t GetType() const override;
    void* GetPtr() const override;
    Result ViewContainerSlot3(uint32_t*) const override;
    Result ViewContainerSlot4(float, float) override;
    Result ViewContainerSlot5(const char*, uint32_t) override;
    Result ViewContainerSlot6(const char*, uint32_t) override;
    Result ViewContainerSlot7(const char*, uint32_t) override;

  private:
    HostViewContainer* mView = nullptr;
};
