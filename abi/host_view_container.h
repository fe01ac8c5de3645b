// The host's view that holds the editor, asked of the view object that the host attaches to the
// editor. The host's user-interface thread.
#pragma once

#include <cstdint>

#include "abi/parameter_id.h"
#include "abi/unknown.h"

// The view type of a native window handle.
constexpr int32_t kViewTypeWindowHandle = 3;

class HostViewContainer : public IACFUnknown {
  public:
    virtual int32_t GetType() = 0;  // 3
    // The native view, of the kind that GetType names.
    virtual void* GetPtr() = 0;                                        // 4
    virtual Result HostViewContainerSlot5(uint32_t*) = 0;              // 5
    virtual Result HostViewContainerSlot6(float, float) = 0;           // 6
    virtual Result HostViewContainerSlot7(const char*, uint32_t) = 0;  // 7
    virtual Result HostViewContainerSlot8(const char*, uint32_t) = 0;  // 8
    virtual Result HostViewContainerSlot9(const char*, uint32_t) = 0;  // 9
};

inline constexpr InterfaceId IID_HostViewContainer =
    MakeUID("22DA0BBC-D550-4D5E-8CC6-734483B8837F");
