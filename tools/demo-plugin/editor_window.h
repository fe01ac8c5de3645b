// The demo editor's window in the host's window system, behind one small interface so that the
// editor itself knows nothing of X11 or Win32. Each build compiles one implementation.
// [main-thread: every call on the thread that opened the window]
#pragma once

#include <cstdint>
#include <memory>

#include "tools/demo-plugin/editor_canvas.h"

namespace vq318demo {

// What a window asks of the editor inside it. Coordinates are pixels of the editor rectangle.
class EditorSurface {
  public:
    virtual void Paint(Canvas& canvas) = 0;
    // The primary button went down at (x, y), the pointer moved with it held, or it came up
    // (also when the window lost the pointer mid-drag).
    virtual void Press(int32_t x, int32_t y) = 0;
    virtual void Move(int32_t x, int32_t y) = 0;
    virtual void Release() = 0;

  protected:
    ~EditorSurface() = default;
};

class EditorWindow {
  public:
    // Destroys the child window and lets go of every window-system resource it held.
    virtual ~EditorWindow() = default;
    // Hands the input that waits for the window to the surface; true when the window system asks
    // for the picture again (it was uncovered).
    virtual bool HandleEvents() = 0;
    // Paints the surface's picture now.
    virtual void Repaint() = 0;
};

// A child window of `parent`, a native window handle, `width` × `height` pixels, showing
// `surface`; null when there is no window system or `parent` is no window of it.
std::unique_ptr<EditorWindow> OpenEditorWindow(void* parent, int32_t width, int32_t height,
                                               EditorSurface& surface);

}  // namespace vq318demo
