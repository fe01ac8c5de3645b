// The host's automation service, asked of the host unknown that the module is given at
// initialisation. Parameters call it from the host's non-real-time threads; every operation takes
// the parameter identifier first.
#pragma once

#include "abi/acf.h"
#include "abi/parameter_id.h"

class AAX_IACFAutomationDelegate : public IACFUnknown {
  public:
    virtual AAX_Result RegisterParameter(AAX_CParamID id) = 0;    // 3
    virtual AAX_Result UnregisterParameter(AAX_CParamID id) = 0;  // 4
    // Asks the host to set the value; the host answers through the effect's parameter update.
    virtual AAX_Result PostSetValueRequest(AAX_CParamID id, double normalized) = 0;  // 5
    virtual AAX_Result PostCurrentValue(AAX_CParamID id, double normalized) = 0;     // 6
    virtual AAX_Result PostTouchRequest(AAX_CParamID id) = 0;                        // 7
    virtual AAX_Result PostReleaseRequest(AAX_CParamID id) = 0;                      // 8
    virtual AAX_Result GetTouchState(AAX_CParamID id, bool* touched) = 0;            // 9
};

inline constexpr acfIID IID_AAX_IACFAutomationDelegate =
    MakeUID("9D5E3D3D-42DC-5EFA-2217-EEE2E8E53E2E");
