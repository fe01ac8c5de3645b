// The module-side interface to the host's automation service, in slot order. Parameters call it
// from the host's non-real-time threads; every operation takes the parameter identifier first.
#pragma once

#include "abi/parameter_id.h"
#include "abi/result.h"

class AAX_IAutomationDelegate {
  public:
    virtual ~AAX_IAutomationDelegate() = default;                                     // 0
    virtual Result RegisterParameter(ParameterId id) = 0;                             // 1
    virtual Result UnregisterParameter(ParameterId id) = 0;                           // 2
    virtual Result PostSetValueRequest(ParameterId id, double normalized) const = 0;  // 3
    virtual Result PostCurrentValue(ParameterId id, double normalized) const = 0;     // 4
    virtual Result PostTouchRequest(ParameterId id) = 0;                              // 5
    virtual Result PostReleaseRequest(ParameterId id) = 0;                            // 6
    virtual Result GetTouchState(ParameterId id, bool* touched) = 0;                  // 7
};
