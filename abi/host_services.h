// The host's general services: a component that the module creates through the host's component
// factory at start-up and keeps until shutdown. Any thread.
#pragma once

#include <cstdint>

#include "abi/acf.h"

class AAX_IACFHostServices : public IACFUnknown {
  public:
    // Tells the host that a check inside the module failed at `file`:`line`.
    virtual AAX_Result HandleAssertFailure(const char* file, int32_t line,
                                           const char* note) = 0;  // 3
    // Writes `message` to the host's trace log at `priority`.
    virtual AAX_Result Trace(int32_t priority, const char* message) = 0;  // 4
};

inline constexpr acfCLSID CLSID_AAX_HostServices = MakeUID("88882C2D-EBBC-42EF-C0AB-8981B0BD0CCA");
inline constexpr acfIID IID_AAX_IACFHostServices = MakeUID("96D42C2D-EBBC-41EF-B0AB-9991A0ED0CCA");
