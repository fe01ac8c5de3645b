// Pointer input through SendInput: the system's input queue, so the messages reach whichever
// window is under the pointer, as a user's mouse does.
#include "tools/aaxhost/window/win32_host_window.h"

namespace aaxhost {
namespace {

bool Send(DWORD flags, LONG x, LONG y) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = x;
    input.mi.dy = y;
    input.mi.dwFlags = flags;
    return SendInput(1, &input, sizeof input) == 1;
}

}  // namespace

bool Win32HostWindow::MovePointer(int32_t x, int32_t y) {
    POINT point{x, y};
    ClientToScreen(mWindow, &point);
    // Absolute positions are in 65536ths of the primary screen.
    const LONG width = GetSystemMetrics(SM_CXSCREEN);
    const LONG height = GetSystemMetrics(SM_CYSCREEN);
    if (width <= 1 || height <= 1) return false;
    return Send(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, point.x * 65535 / (width - 1),
                point.y * 65535 / (height - 1));
}

bool Win32HostWindow::PressButton(bool down) {
    return Send(down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP, 0, 0);
}

}  // namespace aaxhost
