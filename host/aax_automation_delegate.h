// The module-side interface to the host's automation service, in slot order. Parameters call it
// from the host's non-real-time threads; every operation takes the parameter identifier first.
#pragma once

#include "abi/parameter_id.h"
#include "abi/result.h"

class AAX_IAutomationDelegate {
  public:
    virtual ~AAX_IAutomationDelegate() = default;                                          // 0
    virtual AAX_Result RegisterParameter(AAX_CParamID id) = 0;                             // 1
    virtual AAX_Result UnregisterParameter(AAX_CParamID id) = 0;                           // 2
    virtual AAX_Result PostSetValueRequest(AAX_CParamID id, double normalized) const = 0;  // 3
    virtual AAX_Result PostCurrentValue(AAX_CParamID id, double normalized) const = 0;     // 4
    virtual AAX_Result PostTouchRequest(AAX_CParamID id) = 0;                              // 5
    virtual AAX_Result PostReleaseRequest(AAX_CParamID id) = 0;                            // 6
    virtual AAX_Result GetTouchState(AAX_CParamID id, bool* touched) = 0;                  // 7
};
