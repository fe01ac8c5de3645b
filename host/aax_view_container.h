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
    virtual int32_t GetType() const = 0;                                                   // 1
    virtual void* GetPtr() const = 0;                                                      // 2
    virtual AAX_Result GetModifiers(uint32_t* modifiers) const = 0;                        // 3
    virtual AAX_Result SetViewSize(float height, float width) = 0;                         // 4
    virtual AAX_Result HandleParameterMouseDown(AAX_CParamID id, uint32_t modifiers) = 0;  // 5
    virtual AAX_Result HandleParameterMouseDrag(AAX_CParamID id, uint32_t modifiers) = 0;  // 6
    virtual AAX_Result HandleParameterMouseUp(AAX_CParamID id, uint32_t modifiers) = 0;    // 7
};
