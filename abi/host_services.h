// The host's general services: a component that the module creates through the host's component
// factory at start-up and keeps until shutdown. Any thread.
#pragma once

#include <cstdint>

#include "abi/unknown.h"

class HostGeneralServices : public IACFUnknown {
  public:
    // The module creates and releases this component but calls neither slot.
    virtual Result HostGeneralServicesSlot3(const char*, int32_t, const char*) = 0;  // 3
    virtual Result HostGeneralServicesSlot4(int32_t, const char*) = 0;               // 4
};

inline constexpr ClassId CLSID_HostGeneralServices =
    MakeUID("88882C2D-EBBC-42EF-C0AB-8981B0BD0CCA");
inline constexpr InterfaceId IID_HostGeneralServices =
    MakeUID("96D42C2D-EBBC-41EF-B0AB-9991A0ED0CCA");
