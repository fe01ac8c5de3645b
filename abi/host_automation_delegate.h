// The host's automation service, asked of the host unknown that the module is given at
// initialisation. Parameters call it from the host's non-real-time threads; every operation takes
// the parameter identifier first.
#pragma once

#include "abi/parameter_id.h"
#include "abi/unknown.h"

class HostAutomationDelegate : public IACFUnknown {
  public:
    virtual Result RegisterParameter(ParameterId id) = 0;    // 3
    virtual Result UnregisterParameter(ParameterId id) = 0;  // 4
    // Asks the host to set the value; the host answers through the effect's parameter update.
    virtual Result PostSetValueRequest(ParameterId id, double normalized) = 0;  // 5
    virtual Result PostCurrentValue(ParameterId id, double normalized) = 0;     // 6
    virtual Result PostTouchRequest(ParameterId id) = 0;                        // 7
    virtual Result PostReleaseRequest(ParameterId id) = 0;                      // 8
    virtual Result GetTouchState(ParameterId id, bool* touched) = 0;            // 9
};

inline constexpr InterfaceId IID_HostAutomationDelegate =
    MakeUID("9D5E3D3D-42DC-5EFA-2217-EEE2E8E53E2E");
