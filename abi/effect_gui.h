// The editor object of one effect instance, as the host calls it, and the size and rectangle
// records of its view. The host creates it through creation procedure 1 and calls it on its
// user-interface thread; every operation returning a result returns 0 on success.
//
// Life of the object:
//   1. created with reference count 0; the host takes the first reference;
//   2. Initialize with the host's controller unknown, which also answers the instance's
//      effect-parameters interface: the editor makes its view contents;
//   3. GetViewSize, then SetViewContainer with the host's view: the editor attaches to it and
//      announces every parameter; TimerWakeup and Draw while the view is shown;
//   4. SetViewContainer with null detaches; steps 3 and 4 may repeat;
//   5. Uninitialize; the last Release destroys the object.
#pragma once

#include <cstddef>
#include <cstdint>

#include "abi/parameter_id.h"
#include "abi/type_id.h"
#include "abi/unknown.h"

class AAX_IString;

// A size in pixels: height, then width.
struct AAX_Point {
    float vert;
    float horz;
};
static_assert(sizeof(AAX_Point) == 8);
static_assert(offsetof(AAX_Point, vert) == 0);
static_assert(offsetof(AAX_Point, horz) == 4);

// A rectangle in pixels.
struct AAX_Rect {
    float top;
    float left;
    float width;
    float height;
};
static_assert(sizeof(AAX_Rect) == 16);
static_assert(offsetof(AAX_Rect, top) == 0);
static_assert(offsetof(AAX_Rect, left) == 4);
static_assert(offsetof(AAX_Rect, width) == 8);
static_assert(offsetof(AAX_Rect, height) == 12);

class AAX_IACFEffectGUI : public IACFUnknown {
  public:
    // `controller` is the instance's host controller; null is refused.
    virtual Result Initialize(IACFUnknown* controller) = 0;  // 3
    virtual Result Uninitialize() = 0;                       // 4
    virtual Result NotificationReceived(TypeCode type, const void* data,
                                        uint32_t size) = 0;  // 5
    // The host's view container object, or null when the host takes the view away.
    virtual Result SetViewContainer(IACFUnknown* viewContainer) = 0;  // 6
    virtual Result GetViewSize(AAX_Point* size) const = 0;            // 7
    // Redraws the part of the view in `rect`.
    virtual Result Draw(AAX_Rect* rect) = 0;  // 8
    // The host's idle timer.
    virtual Result TimerWakeup() = 0;                                               // 9
    virtual Result ParameterUpdated(ParameterId id) = 0;                            // 10
    virtual Result GetCustomLabel(int32_t selector, AAX_IString* label) const = 0;  // 11
    virtual Result SetControlHighlightInfo(ParameterId id, bool highlighted,
                                           int32_t color) = 0;  // 12
    // The editor's own steps of Initialize and SetViewContainer.
    virtual void CreateViewContents() = 0;   // 13
    virtual void CreateViewContainer() = 0;  // 14
    virtual void DeleteViewContainer() = 0;  // 15
    virtual void UpdateAllParameters() = 0;  // 16

  protected:
    ~AAX_IACFEffectGUI() = default;
};

inline constexpr InterfaceId IID_AAX_IACFEffectGUI =
    MakeUID("964E323D-424C-5E1A-2227-282423222E1E");
