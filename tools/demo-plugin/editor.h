// The demo plug-in's editor: its size at the prepared scale, the parent window it lives in, and
// whether an area waits to be painted at the next idle tick. Given a real window of the host's
// window system it shows itself in a child window of it that draws each parameter and edits them
// by mouse drags; given a stand-in handle it only keeps that bookkeeping. [main-thread]
#pragma once

#include <cstdint>
#include <memory>

#include "abi/vst2.h"
#include "tools/demo-plugin/editor_window.h"
#include "tools/demo-plugin/parameter_table.h"

namespace vq318demo {

struct Instance;

class Editor final : private EditorSurface {
  public:
    static constexpr int16_t kWidth = 480;
    static constexpr int16_t kHeight = 300;

    explicit Editor(Instance& instance) : instance_(instance) {}
    ~Editor();
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    // The editor rectangle at the current scale; the plug-in owns it.
    ERect* Rect() { return &rect_; }
    // Sets the scale for the next opening (0.5 to 4); refused while open or out of range.
    bool Prepare(float scale);
    // Opens inside `parent`, a native window handle (or a stand-in); refused without one.
    bool Open(void* parent);
    void Close();
    bool IsOpen() const { return parent_ != nullptr; }
    // Marks `area` (or, when null, the whole editor) for painting; refused while closed or for
    // an empty area.
    bool Invalidate(const ERect* area);
    // Handles the window's input, then paints what is marked or what changed since it was last
    // drawn; true when something was marked.
    bool Idle();

  private:
    void Paint(Canvas& canvas) override;
    void Press(int32_t x, int32_t y) override;
    void Move(int32_t x, int32_t y) override;
    void Release() override;
    // Sets the dragged parameter to the value under column `x` and tells the host.
    void Drag(int32_t x);
    bool ValuesChanged() const;
    int32_t Width() const { return rect_.right - rect_.left; }
    int32_t Height() const { return rect_.bottom - rect_.top; }

    Instance& instance_;
    ERect rect_{0, 0, kHeight, kWidth};
    void* parent_ = nullptr;
    bool paintPending_ = false;
    std::unique_ptr<EditorWindow> window_;
    float drawn_[kParameterCount] = {};
    int32_t dragged_ = -1;   // the parameter whose bar the button went down on
    float reported_ = 0.0f;  // the value last reported for it
};

}  // namespace vq318demo
