// The host window on X11: a top-level window on its own display connection, which the editor's
// plug-in reaches only through the window id.
#pragma once

#include <X11/Xlib.h>

#include "tools/aaxhost/window/host_window.h"

namespace aaxhost {

class X11HostWindow final : public HostWindow {
  public:
    X11HostWindow(Display* display, Window window, Atom deleteWindow);
    ~X11HostWindow() override;

    void* NativeHandle() const override;
    void Resize(int32_t width, int32_t height) override;
    bool HandleEvents(std::chrono::milliseconds wait) override;
    bool Capture(WindowImage& image, std::string& error) override;
    bool MovePointer(int32_t x, int32_t y) override;
    bool PressButton(bool down) override;

  private:
    // False once the window was asked to close.
    bool HandlePending();

    Display* mDisplay;
    Window mWindow;
    Atom mDeleteWindow;
    bool mCloseAsked = false;
};

}  // namespace aaxhost
