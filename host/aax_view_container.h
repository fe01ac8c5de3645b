// The module-side interface to the host view that holds the editor, in slot order. The editor
// calls it on the host's user-interface thread.
#pragma once

#include <cstdint>

#include "abi/parameter_id.h"
#include "abi/result.h"

class AAX_IViewContainer {
  public:
    virtual ~AAX_IViewContainer() = default;  // 0
    // The kind of native view; kViewTypeWindowHandle for a window handle.
    virtual int32_t GetType() const = 0;                           // 1
    virtual void* GetPtr() const = 0;                              // 2
    virtual Result ViewContainerSlot3(uint32_t*) const = 0;        // 3
    virtual Result ViewContainerSlot4(float, float) = 0;           // 4
    virtual Result ViewContainerSlot5(const char*, uint32_t) = 0;  // 5
    virtual Result ViewContainerSlot6(const char*, uint32_t) = 0;  // 6
    virtual Result ViewContainerSlot7(const char*, uint32_t) = 0;  // 7
};
