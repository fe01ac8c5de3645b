// AAX_IAutomationDelegate over the host's automation service: every operation forwards to it with
// its arguments unchanged, or answers AAX_ERROR_NULL_OBJECT when the host offers none.
#pragma once

#include "abi/host_automation_delegate.h"
#include "abi/unknown.h"
#include "host/aax_automation_delegate.h"

class AAX_VAutomationDelegate : public AAX_IAutomationDelegate {
  public:
    // Takes one reference on the automation interface of `host` (possibly null).
    explicit AAX_VAutomationDelegate(IACFUnknown* host);
    ~AAX_VAutomationDelegate() override;
    AAX_VAutomationDelegate(const AAX_VAutomationDelegate&) = delete;
    AAX_VAutomationDelegate& operator=(const AAX_VAutomationDelegate&) = delete;

    Result RegisterParameter(ParameterId id) override;
    Result UnregisterParameter(ParameterId id) override;
    Result PostSetValueRequest(ParameterId id, double normalized) const override;
    Result PostCurrentValue(ParameterId id, double normalized) const override;
    Result PostTouchRequest(ParameterId id) override;
    Result PostReleaseRequest(ParameterId id) override;
    Result GetTouchState(ParameterId id, bool* touched) override;

  private:
    HostAutomationDelegate* mDelegate = nullptr;
};
