// The demo plug-in's editor. It draws nothing itself (the plug-in has no window system of its
// own) but keeps what a drawn editor keeps: its size at the prepared scale, the parent window it
// lives in, and whether an area waits to be painted at the next idle tick. [main-thread]
#pragma once

#include <cstdint>

#include "abi/vst2.h"

namespace vq318demo {

class Editor {
  public:
    static constexpr int16_t kWidth = 480;
    static constexpr int16_t kHeight = 300;

    // The editor rectangle at the current scale; the plug-in owns it.
    ERect* Rect() { return &rect_; }
    // Sets the scale for the next opening (0.5 to 4); refused while open or out of range.
    bool Prepare(float scale);
    // Opens inside `parent`, an opaque window handle; refused without one.
    bool Open(void* parent);
    void Close();
    bool IsOpen() const { return parent_ != nullptr; }
    // Marks `area` (or, when null, the whole editor) for painting; refused while closed or for
    // an empty area.
    bool Invalidate(const ERect* area);
    // Paints what is marked; true when there was something to paint.
    bool Idle();

  private:
    ERect rect_{0, 0, kHeight, kWidth};
    void* parent_ = nullptr;
    bool paintPending_ = false;
};

}  // namespace vq318demo
