#include <X11/Xutil.h>
#include <poll.h>

#include <bit>

#include "tools/aaxhost/window/x11_host_window.h"

namespace aaxhost {
namespace {

constexpr long kEventMask = StructureNotifyMask | ExposureMask;

// Reads one colour channel of an image pixel into 8 bits.
uint32_t Channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) return 0;
    const unsigned long value = (pixel & mask) >> std::countr_zero(mask);
    const unsigned long maximum = mask >> std::countr_zero(mask);
    return static_cast<uint32_t>(value * 255 / maximum);
}

// A window that is mapped before the editor opens in it, so that the editor's children show
// at once.
void AwaitMapped(Display* display, Window window) {
    XEvent event;
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (XCheckTypedWindowEvent(display, window, MapNotify, &event)) return;
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, 10);
    }
}

// A display server busy with other clients' connections may refuse one for a moment (Xvfb
// here refuses about one in ten of quick successive connections), so a refusal is tried again.
Display* OpenDisplay() {
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (Display* display = XOpenDisplay(nullptr)) return display;
        pollfd nothing{-1, 0, 0};
        poll(&nothing, 1, 10);
    }
    return nullptr;
}

}  // namespace

std::unique_ptr<HostWindow> HostWindow::Open(const std::string& title, int32_t width,
                                             int32_t height, std::string& error) {
    // Plug-in editors may drive Xlib from threads of their own in this process.
    XInitThreads();
    Display* display = OpenDisplay();
    if (display == nullptr) {
        error = "cannot open the X display (is DISPLAY set?)";
        return nullptr;
    }
    const int screen = DefaultScreen(display);
    const Window window = XCreateSimpleWindow(
        display, RootWindow(display, screen), 0, 0, static_cast<unsigned>(width),
        static_cast<unsigned>(height), 0, BlackPixel(display, screen), BlackPixel(display, screen));
    XStoreName(display, window, title.c_str());
    Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, window, &deleteWindow, 1);
    XSelectInput(display, window, kEventMask);
    XMapWindow(display, window);
    XFlush(display);
    AwaitMapped(display, window);
    return std::make_unique<X11HostWindow>(display, window, deleteWindow);
}

X11HostWindow::X11HostWindow(Display* display, Window window, Atom deleteWindow)
    : mDisplay(display), mWindow(window), mDeleteWindow(deleteWindow) {}

X11HostWindow::~X11HostWindow() {
    XDestroyWindow(mDisplay, mWindow);
    XCloseDisplay(mDisplay);
}

void* X11HostWindow::NativeHandle() const {
    return reinterpret_cast<void*>(mWindow);
}

void X11HostWindow::Resize(int32_t width, int32_t height) {
    XResizeWindow(mDisplay, mWindow, static_cast<unsigned>(width), static_cast<unsigned>(height));
    XFlush(mDisplay);
}

bool X11HostWindow::HandleEvents(std::chrono::milliseconds wait) {
    XFlush(mDisplay);
    if (XPending(mDisplay) == 0) {
        pollfd connection{ConnectionNumber(mDisplay), POLLIN, 0};
        poll(&connection, 1, static_cast<int>(wait.count()));
    }
    return HandlePending();
}

bool X11HostWindow::HandlePending() {
    while (XPending(mDisplay) > 0) {
        XEvent event;
        XNextEvent(mDisplay, &event);
        if (event.type == ClientMessage &&
            static_cast<Atom>(event.xclient.data.l[0]) == mDeleteWindow) {
            mCloseAsked = true;
        }
    }
    return !mCloseAsked;
}

bool X11HostWindow::Capture(WindowImage& image, std::string& error) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(mDisplay, mWindow, &attributes) == 0) {
        error = "the window is gone";
        return false;
    }
    XImage* shot = XGetImage(mDisplay, mWindow, 0, 0, static_cast<unsigned>(attributes.width),
                             static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (shot == nullptr) {
        error = "the window system gave no image of the window";
        return false;
    }
    image.width = attributes.width;
    image.height = attributes.height;
    image.pixels.assign(static_cast<size_t>(image.width) * static_cast<size_t>(image.height), 0);
    for (int32_t y = 0; y < image.height; ++y) {
        for (int32_t x = 0; x < image.width; ++x) {
            const unsigned long pixel = XGetPixel(shot, x, y);
            image.pixels[static_cast<size_t>(y) * static_cast<size_t>(image.width) +
                         static_cast<size_t>(x)] = Channel(pixel, shot->red_mask) << 16 |
                                                   Channel(pixel, shot->green_mask) << 8 |
                                                   Channel(pixel, shot->blue_mask);
        }
    }
    XDestroyImage(shot);
    return true;
}

}  // namespace aaxhost
