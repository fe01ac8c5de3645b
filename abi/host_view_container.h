// The host's view that holds the editor, asked of the view object that the host attaches to the
// editor. The host's user-interface thread.
#pragma once

#include <cstdint>

#include "abi/acf.h"
#include "abi/parameter_id.h"

// The view type of a native window handle.
constexpr int32_t kViewTypeWindowHandle = 3;

class AAX_IACFViewContainer : public IACFUnknown {
  public:
    virtual int32_t GetType() = 0;  // 3
    // The native view, of the kind that GetType names.
    virtual void* GetPtr() = 0;                                                            // 4
    virtual AAX_Result GetModifiers(uint32_t* modifiers) = 0;                              // 5
    virtual AAX_Result SetViewSize(float height, float width) = 0;                         // 6
    virtual AAX_Result HandleParameterMouseDown(AAX_CParamID id, uint32_t modifiers) = 0;  // 7
    virtual AAX_Result HandleParameterMouseDrag(AAX_CParamID id, uint32_t modifiers) = 0;  // 8
    virtual AAX_Result HandleParameterMouseUp(AAX_CParamID id, uint32_t modifiers) = 0;    // 9
};

inline constexpr acfIID IID_AAX_IACFViewContainer = MakeUID("22DA0BBC-D550-4D5E-8CC6-734483B8837F");
