// The stand-in host's top-level window, of the window system this build runs on, that holds a
// plug-in's editor as a workstation's plug-in window does. Made, driven and closed on one thread,
// the thread whose event loop it is.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include "tools/aaxhost/window/window_image.h"

namespace aaxhost {

class HostWindow {
  public:
    // A shown window whose inside is `width` × `height` pixels; null after `error` says why.
    static std::unique_ptr<HostWindow> Open(const std::string& title, int32_t width, int32_t height,
                                            std::string& error);
    virtual ~HostWindow() = default;

    // The handle that a view of type 3 carries: natively the X11 Window id as a pointer,
    // on Windows the HWND.
    virtual void* NativeHandle() const = 0;
    virtual void Resize(int32_t width, int32_t height) = 0;
    // Handles the window system's events for up to `wait`; false once the user asked to close
    // the window.
    virtual bool HandleEvents(std::chrono::milliseconds wait) = 0;
    // What the window shows now, its children's drawing included.
    virtual bool Capture(WindowImage& image, std::string& error) = 0;

    // Input through the window system, as a user's mouse makes it, at a point inside the window.
    virtual bool MovePointer(int32_t x, int32_t y) = 0;
    virtual bool PressButton(bool down) = 0;
};

}  // namespace aaxhost
