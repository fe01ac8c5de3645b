// The module-side interface to the host's general services, in slot order. The module keeps one
// from start-up to shutdown and calls neither operation itself.
#pragma once

#include <cstdint>

#include "abi/result.h"

class AAX_IHostServices {
  public:
    virtual ~AAX_IHostServices() = default;  // 0
    virtual AAX_Result HandleAssertFailure(const char* file, int32_t line,
                                           const char* note) const = 0;         // 1
    virtual AAX_Result Trace(int32_t priority, const char* message) const = 0;  // 2
};
