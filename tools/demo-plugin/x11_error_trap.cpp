#include "tools/demo-plugin/x11_error_trap.h"

#include <atomic>

namespace vq318demo {
namespace {

std::mutex turns;
// Read by the handler, which Xlib may call on any thread that uses any connection.
std::atomic<X11ErrorTrap*> current{nullptr};
std::atomic<XErrorHandler> outer{nullptr};

}  // namespace

X11ErrorTrap::X11ErrorTrap(Display* display) : turn_(turns), display_(display) {
    current.store(this);
    previous_ = XSetErrorHandler(&Note);
    outer.store(previous_);
}

X11ErrorTrap::~X11ErrorTrap() {
    XSync(display_, False);
    XSetErrorHandler(previous_);
    current.store(nullptr);
}

bool X11ErrorTrap::Clean() {
    XSync(display_, False);
    return !failed_;
}

int X11ErrorTrap::Note(Display* display, XErrorEvent* error) {
    X11ErrorTrap* trap = current.load();
    if (trap != nullptr && trap->display_ == display) {
        trap->failed_ = true;
        return 0;
    }
    const XErrorHandler next = outer.load();
    return next != nullptr ? next(display, error) : 0;
}

}  // namespace vq318demo
