#include "tests/tools/demo_plugin/x11_host_window.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <bit>

#include "tools/demo-plugin/x11_display.h"

namespace {

constexpr unsigned kWidth = 1000;
constexpr unsigned kHeight = 700;

// The shift that brings the lowest bit of a colour mask to bit 0.
int ShiftOf(unsigned long mask) {
    return mask == 0 ? 0 : std::countr_zero(mask);
}

}  // namespace

X11HostWindow::X11HostWindow() : display_(vq318demo::OpenDisplay()) {
    if (display_ == nullptr) return;
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;  // placed as asked, whatever window manager runs
    attributes.background_pixel = WhitePixel(display_, DefaultScreen(display_));
    window_ = XCreateWindow(display_, DefaultRootWindow(display_), 0, 0, kWidth, kHeight, 0,
                            CopyFromParent, InputOutput, CopyFromParent,
                            CWOverrideRedirect | CWBackPixel, &attributes);
    XMapRaised(display_, window_);
    XSync(display_, False);
}

X11HostWindow::~X11HostWindow() {
    if (display_ == nullptr) return;
    Destroy();
    XCloseDisplay(display_);
}

void* X11HostWindow::Handle() const {
    return reinterpret_cast<void*>(static_cast<uintptr_t>(window_));
}

std::vector<Window> X11HostWindow::Children() const {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (window_ == 0 || XQueryTree(display_, window_, &root, &parent, &children, &count) == 0) {
        return {};
    }
    std::vector<Window> list(children, children + count);
    if (children != nullptr) XFree(children);
    return list;
}

void X11HostWindow::Destroy() {
    if (window_ == 0) return;
    XDestroyWindow(display_, window_);
    XSync(display_, False);
    window_ = 0;
}

Window X11HostWindow::GoneWindow() const {
    const Window window =
        XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 10, 10, 0, 0, 0);
    XDestroyWindow(display_, window);
    XSync(display_, False);
    return window;
}

X11HostWindow::Geometry X11HostWindow::GeometryOf(Window window) const {
    Geometry geometry{};
    Window root = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display_, window, &root, &geometry.parent, &children, &count) != 0 &&
        children != nullptr) {
        XFree(children);
    }
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display_, window, &attributes) != 0) {
        geometry.width = attributes.width;
        geometry.height = attributes.height;
        geometry.viewable = attributes.map_state == IsViewable;
    }
    return geometry;
}

X11HostWindow::Picture X11HostWindow::Capture(Window window) const {
    Picture picture;
    const Geometry geometry = GeometryOf(window);
    XImage* image = XGetImage(display_, window, 0, 0, static_cast<unsigned>(geometry.width),
                              static_cast<unsigned>(geometry.height), AllPlanes, ZPixmap);
    if (image == nullptr) return picture;
    picture.width = geometry.width;
    picture.height = geometry.height;
    picture.pixels.reserve(static_cast<size_t>(picture.width) * picture.height);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) picture.pixels.push_back(XGetPixel(image, x, y));
    }
    XDestroyImage(image);
    return picture;
}

unsigned long X11HostWindow::PixelOf(uint8_t red, uint8_t green, uint8_t blue) const {
    const Visual* visual = DefaultVisual(display_, DefaultScreen(display_));
    return (static_cast<unsigned long>(red) << ShiftOf(visual->red_mask)) |
           (static_cast<unsigned long>(green) << ShiftOf(visual->green_mask)) |
           (static_cast<unsigned long>(blue) << ShiftOf(visual->blue_mask));
}

void X11HostWindow::PointerTo(Window window, int x, int y) const {
    int rootX = 0;
    int rootY = 0;
    Window under = 0;
    XTranslateCoordinates(display_, window, DefaultRootWindow(display_), x, y, &rootX, &rootY,
                          &under);
    XTestFakeMotionEvent(display_, DefaultScreen(display_), rootX, rootY, CurrentTime);
    XSync(display_, False);
}

void X11HostWindow::PrimaryButton(bool down) const {
    XTestFakeButtonEvent(display_, Button1, down ? True : False, CurrentTime);
    XSync(display_, False);
}
