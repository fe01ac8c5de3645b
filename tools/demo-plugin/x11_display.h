// A connection to the X display named by DISPLAY, for the demo editor and the tests that host it.
#pragma once

#include <X11/Xlib.h>

#include <chrono>
#include <thread>

namespace vq318demo {

// Xvfb refuses about one in ten of quick successive connections for a moment, so a refusal is
// tried again for up to half a second.
inline Display* OpenDisplay() {
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (Display* display = XOpenDisplay(nullptr)) return display;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return nullptr;
}

}  // namespace vq318demo
