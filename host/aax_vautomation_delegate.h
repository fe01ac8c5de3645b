// AAX_IAutomationDelegate over the host's automation service: every operation forwards to it with
// its arguments unchanged, or answers AAX_ERROR_NULL_OBJECT when the host offers none.
#pragma once

#include "abi/acf.h"
#include "abi/host_automation_delegate.h"
#include "host/aax_automation_delegate.h"

class AAX_VAutomationDelegate : public AAX_IAutomationDelegate {
  public:
    // Takes one reference on the automation interface of `host` (possibly null).
    explicit AAX_VAutomationDelegate(IACFUnknown* host);
    ~AAX_VAutomationDelegate() override;
    AAX_VAutomationDelegate(const AAX_VAutomationDelegate&) = delete;
    AAX_VAutomationDelegate& operator=(const AAX_VAutomationDelegate&) = delete;

    AAX_Result RegisterParameter(AAX_CParamID id) override;
    AAX_Result UnregisterParameter(AAX_CParamID id) override;
    AAX_Result PostSetValueRequest(AAX_CParamID id, double normalized) const override;
    AAX_Result PostCurrentValue(AAX_CParamID id, double normalized) const override;
    AAX_Result PostTouchRequest(AAX_CParamID id) override;
    AAX_Result PostReleaseRequest(AAX_CParamID id) override;
    AAX_Result GetTouchState(AAX_CParamID id, bool* touched) override;

  private:
    AAX_IACFAutomationDelegate* mDelegate = nullptr;
};
