// The module-side interface to the host's general services, in slot order. The module keeps one
// from start-up to shutdown and calls neither operation itself.
#pragma once

#include <cstdint>

#include "abi/result.h"

class AAX_IHostServices {
  public:
    virtual ~AAX_IHostServices() = default;                                         // 0
    virtual Result HostServicesSlot1(const char*, int32_t, const char*) const = 0;  // 1
    virtual Result HostServicesSlot2(int32_t, const char*) const = 0;               // 2
};
