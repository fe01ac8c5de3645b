// Pointer input through the XTest extension: the server moves its real pointer and presses its
// real button, so the events reach whichever window is under the pointer, as a user's would.
#include <X11/extensions/XTest.h>

#include "tools/aaxhost/window/x11_host_window.h"

namespace aaxhost {

bool X11HostWindow::MovePointer(int32_t x, int32_t y) {
    int rootX = 0;
    int rootY = 0;
    Window child = 0;
    const Window root = DefaultRootWindow(mDisplay);
    if (!XTranslateCoordinates(mDisplay, mWindow, root, x, y, &rootX, &rootY, &child)) {
        return false;
    }
    const bool moved = XTestFakeMotionEvent(mDisplay, -1, rootX, rootY, CurrentTime) != 0;
    XFlush(mDisplay);
    return moved;
}

bool X11HostWindow::PressButton(bool down) {
    const bool sent = XTestFakeButtonEvent(mDisplay, Button1, down ? True : False, CurrentTime);
    XFlush(mDisplay);
    return sent;
}

}  // namespace aaxhost
