// AAX_IViewContainer over the host's view container. Forwards every operation unchanged; without
// a host view the type is 0, the native view null, SetViewSize answers 0 and the other operations
// AAX_ERROR_UNIMPLEMENTED.
#pragma once

#include "abi/acf.h"
#include "abi/host_view_container.h"
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
    AAX_Result GetModifiers(uint32_t* modifiers) const override;
    AAX_Result SetViewSize(float height, float width) override;
    AAX_Result HandleParameterMouseDown(AAX_CParamID id, uint32_t modifiers) override;
    AAX_Result HandleParameterMouseDrag(AAX_CParamID id, uint32_t modifiers) override;
    AAX_Result HandleParameterMouseUp(AAX_CParamID id, uint32_t modifiers) override;

  private:
    AAX_IACFViewContainer* mView = nullptr;
};
