// The demo editor's window natively: an X11 child window of the host's window, drawn with core
// Xlib calls over a display connection of its own, as plug-ins in a native host have. Its input
// is read from that connection when the host gives the editor its idle time.
#include <X11/Xlib.h>

#include <cstring>
#include <new>

#include "tools/demo-plugin/editor_window.h"
#include "tools/demo-plugin/x11_display.h"
#include "tools/demo-plugin/x11_error_trap.h"

namespace vq318demo {
namespace {

// An X resource identifier has 29 bits; a larger handle is a stand-in, never a window.
constexpr uintptr_t kLargestResource = 0x1FFFFFFF;

// Draws into the window's backing picture.
class X11Canvas final : public Canvas {
  public:
    X11Canvas(Display* display, Drawable target, GC gc, const unsigned long (&pixels)[kInkCount])
        : display_(display), target_(target), gc_(gc), pixels_(pixels) {}

    void Fill(const ControlBox& box, Ink ink) override {
        if (box.right <= box.left || box.bottom <= box.top) return;
        XSetForeground(display_, gc_, pixels_[ink]);
        XFillRectangle(display_, target_, gc_, box.left, box.top,
                       static_cast<unsigned>(box.right - box.left),
                       static_cast<unsigned>(box.bottom - box.top));
    }

    void Text(int32_t x, int32_t baseline, const char* text, Ink ink) override {
        XSetForeground(display_, gc_, pixels_[ink]);
        XDrawString(display_, target_, gc_, x, baseline, text, static_cast<int>(std::strlen(text)));
    }

  private:
    Display* display_;
    Drawable target_;
    GC gc_;
    const unsigned long (&pixels_)[kInkCount];
};

struct X11Resources {
    Window window = 0;
    Pixmap picture = 0;  // painted whole, then copied, so that no one sees a half-drawn editor
    GC gc = nullptr;
    unsigned long pixels[kInkCount] = {};
};

class X11EditorWindow final : public EditorWindow {
  public:
    X11EditorWindow(Display* display, const X11Resources& resources, int32_t width, int32_t height,
                    EditorSurface& surface)
        : display_(display),
          resources_(resources),
          width_(width),
          height_(height),
          surface_(surface) {}

    ~X11EditorWindow() override {
        {
            // The host may have destroyed its window, and ours with it, before closing us.
            const X11ErrorTrap trap(display_);
            XFreeGC(display_, resources_.gc);
            XFreePixmap(display_, resources_.picture);
            XDestroyWindow(display_, resources_.window);
        }
        XCloseDisplay(display_);
    }

    // Needs no trap: every request of this connection was answered inside one, so no error can
    // arrive here, and the surface may call the host, which may open another editor.
    bool HandleEvents() override {
        bool exposed = false;
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.xany.window != resources_.window) continue;
            switch (event.type) {
                case Expose:
                    exposed = true;
                    break;
                case ButtonPress:
                    if (event.xbutton.button == Button1) {
                        surface_.Press(event.xbutton.x, event.xbutton.y);
                    }
                    break;
                case MotionNotify:
                    surface_.Move(event.xmotion.x, event.xmotion.y);
                    break;
                case ButtonRelease:
                    if (event.xbutton.button == Button1) surface_.Release();
                    break;
                default:
                    break;
            }
        }
        return exposed;
    }

    void Repaint() override {
        const X11ErrorTrap trap(display_);
        X11Canvas canvas(display_, resources_.picture, resources_.gc, resources_.pixels);
        surface_.Paint(canvas);
        XCopyArea(display_, resources_.picture, resources_.window, resources_.gc, 0, 0,
                  static_cast<unsigned>(width_), static_cast<unsigned>(height_), 0, 0);
    }

  private:
    Display* display_;
    X11Resources resources_;
    int32_t width_;
    int32_t height_;
    EditorSurface& surface_;
};

unsigned long PixelOf(Display* display, Colormap colours, Ink ink) {
    const Rgb rgb = ColourOf(ink);
    XColor colour{};
    colour.red = static_cast<unsigned short>(rgb.red * 257);
    colour.green = static_cast<unsigned short>(rgb.green * 257);
    colour.blue = static_cast<unsigned short>(rgb.blue * 257);
    colour.flags = DoRed | DoGreen | DoBlue;
    if (XAllocColor(display, colours, &colour) != 0) return colour.pixel;
    // A full colour map leaves the two pixels that every screen has.
    const int screen = DefaultScreen(display);
    return rgb.red + rgb.green + rgb.blue > 3 * 0x80 ? WhitePixel(display, screen)
                                                     : BlackPixel(display, screen);
}

// Makes the child window and what it draws with; false when `parent` is no usable window. What
// was made before a failure goes when the connection closes.
bool MakeResources(Display* display, Window parent, int32_t width, int32_t height,
                   X11Resources& resources) {
    X11ErrorTrap trap(display);
    XWindowAttributes host{};
    if (XGetWindowAttributes(display, parent, &host) == 0 || !trap.Clean()) return false;
    if (host.c_class != InputOutput) return false;
    for (int32_t ink = 0; ink < kInkCount; ++ink) {
        resources.pixels[ink] = PixelOf(display, host.colormap, static_cast<Ink>(ink));
    }
    const auto columns = static_cast<unsigned>(width);
    const auto rows = static_cast<unsigned>(height);
    resources.window =
        XCreateSimpleWindow(display, parent, 0, 0, columns, rows, 0, resources.pixels[kBackground],
                            resources.pixels[kBackground]);
    resources.picture =
        XCreatePixmap(display, resources.window, columns, rows, static_cast<unsigned>(host.depth));
    resources.gc = XCreateGC(display, resources.window, 0, nullptr);
    XSelectInput(display, resources.window,
                 ExposureMask | ButtonPressMask | ButtonReleaseMask | Button1MotionMask);
    XMapWindow(display, resources.window);
    return resources.gc != nullptr && trap.Clean();
}

}  // namespace

std::unique_ptr<EditorWindow> OpenEditorWindow(void* parent, int32_t width, int32_t height,
                                               EditorSurface& surface) {
    const auto handle = reinterpret_cast<uintptr_t>(parent);
    if (handle == 0 || handle > kLargestResource || width <= 0 || height <= 0) return nullptr;
    Display* display = OpenDisplay();
    if (display == nullptr) return nullptr;
    X11Resources resources;
    if (MakeResources(display, static_cast<Window>(handle), width, height, resources)) {
        auto* window =
            new (std::nothrow) X11EditorWindow(display, resources, width, height, surface);
        if (window != nullptr) return std::unique_ptr<EditorWindow>(window);
    }
    if (resources.gc != nullptr) {
        const X11ErrorTrap trap(display);
        XFreeGC(display, resources.gc);
    }
    XCloseDisplay(display);
    return nullptr;
}

}  // namespace vq318demo
