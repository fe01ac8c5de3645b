// Xlib's macros (None among them) would rename names of GoogleTest, so this file has no test
// code of its own.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "tests/tools/aaxhost_window/display_observer.h"

namespace {

// The windows watched belong to another connection and may go at any moment; asking after one
// that is gone answers nothing rather than ending the process.
int IgnoreError(Display*, XErrorEvent*) {
    return 0;
}

class X11Observer final : public DisplayObserver {
  public:
    explicit X11Observer(Display* display) : display_(display) {}
    ~X11Observer() override { XCloseDisplay(display_); }
    X11Observer(const X11Observer&) = delete;
    X11Observer& operator=(const X11Observer&) = delete;

    std::vector<uintptr_t> TopLevelWindows() override {
        return Children(DefaultRootWindow(display_));
    }

    uintptr_t FindShown(const std::string& prefix) override {
        for (uintptr_t window : TopLevelWindows()) {
            char* name = nullptr;
            if (XFetchName(display_, window, &name) == 0 || name == nullptr) continue;
            const bool named = std::string(name).rfind(prefix, 0) == 0;
            XFree(name);
            XWindowAttributes attributes;
            if (named && XGetWindowAttributes(display_, window, &attributes) != 0 &&
                attributes.map_state == IsViewable) {
                return window;
            }
        }
        return 0;
    }

    std::vector<uintptr_t> Children(uintptr_t parent) override {
        XSync(display_, False);
        Window root = 0;
        Window up = 0;
        Window* children = nullptr;
        unsigned count = 0;
        std::vector<uintptr_t> found;
        if (XQueryTree(display_, parent, &root, &up, &children, &count) != 0) {
            found.assign(children, children + count);
            XFree(children);
        }
        return found;
    }

    WindowBox Box(uintptr_t window) override {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display_, window, &attributes) == 0) return {};
        return {window, attributes.width, attributes.height};
    }

    void AskToClose(uintptr_t window) override {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] =
            static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
        XSendEvent(display_, window, False, NoEventMask, &event);
        XFlush(display_);
    }

  private:
    Display* display_;
};

}  // namespace

std::unique_ptr<DisplayObserver> DisplayObserver::Make() {
    const char* name = std::getenv("DISPLAY");
    if (name == nullptr || *name == '\0') return nullptr;
    XInitThreads();
    XSetErrorHandler(IgnoreError);
    // Xvfb refuses about one in ten of quick successive connections for a moment.
    Display* display = nullptr;
    for (int attempt = 0; attempt < 50 && display == nullptr; ++attempt) {
        display = XOpenDisplay(nullptr);
        if (display == nullptr) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (display == nullptr) return nullptr;
    return std::make_unique<X11Observer>(display);
}
