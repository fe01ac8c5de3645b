// Keeps the X errors of one connection from ending the process: while a trap lives, an error on
// its connection is only noted (a stand-in window handle, or a host window that is already gone,
// gives a result instead of the default handler's exit); errors of other connections still reach
// the handler that was there before. Traps take turns across threads, as the handler is one for
// the whole process; a thread holds one trap at a time.
#pragma once

#include <X11/Xlib.h>

#include <mutex>

namespace vq318demo {

class X11ErrorTrap {
  public:
    explicit X11ErrorTrap(Display* display);
    // Waits for the server's answers to what was sent, then gives the handler back.
    ~X11ErrorTrap();
    X11ErrorTrap(const X11ErrorTrap&) = delete;
    X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;

    // Waits for the server's answers to everything sent so far; true when none was an error.
    bool Clean();

  private:
    static int Note(Display* display, XErrorEvent* error);

    std::unique_lock<std::mutex> turn_;
    Display* display_;
    XErrorHandler previous_;
    bool failed_ = false;
};

}  // namespace vq318demo
