// The host window on Windows: a top-level window of this thread, whose messages, and those of
// the editor's child windows made on this thread, the host's loop dispatches.
#pragma once

#include <windows.h>

#include "tools/aaxhost/window/host_window.h"

namespace aaxhost {

class Win32HostWindow final : public HostWindow {
  public:
    explicit Win32HostWindow(HWND window);
    ~Win32HostWindow() override;

    void* NativeHandle() const override;
    void Resize(int32_t width, int32_t height) override;
    bool HandleEvents(std::chrono::milliseconds wait) override;
    bool Capture(WindowImage& image, std::string& error) override;
    bool MovePointer(int32_t x, int32_t y) override;
    bool PressButton(bool down) override;

    // Set by the window procedure when the user asks to close the window.
    bool closeAsked = false;

  private:
    HWND mWindow;
};

}  // namespace aaxhost
