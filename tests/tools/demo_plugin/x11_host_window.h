// A host's top-level X11 window for the demo editor's window tests, and what a test reads of the
// window system: a window's children, place, size and pixels, and real pointer input through the
// XTest extension. Every call waits until the server has done what it asked.
#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <vector>

class X11HostWindow {
  public:
    // Connects to $DISPLAY and shows a window at the screen's top left; Usable() tells whether
    // there was a display to do it on.
    X11HostWindow();
    ~X11HostWindow();
    X11HostWindow(const X11HostWindow&) = delete;
    X11HostWindow& operator=(const X11HostWindow&) = delete;

    bool Usable() const { return display_ != nullptr; }
    // The window as effEditOpen takes it: its identifier in a pointer.
    void* Handle() const;
    Window Id() const { return window_; }
    std::vector<Window> Children() const;
    // Destroys the host's window, and so every child in it.
    void Destroy();
    // An identifier that named a window a moment ago and names none now.
    Window GoneWindow() const;

    struct Geometry {
        Window parent;
        int width;
        int height;
        bool viewable;
    };
    Geometry GeometryOf(Window window) const;

    struct Picture {
        int width = 0;
        int height = 0;
        std::vector<unsigned long> pixels;  // row by row
        unsigned long At(int x, int y) const { return pixels[y * width + x]; }
    };
    Picture Capture(Window window) const;
    // The screen's pixel of a colour given in 8-bit channels (a true-colour screen).
    unsigned long PixelOf(uint8_t red, uint8_t green, uint8_t blue) const;

    // Moves the pointer over (x, y) of `window`, and presses or lets go of the primary button.
    void PointerTo(Window window, int x, int y) const;
    void PrimaryButton(bool down) const;

  private:
    Display* display_ = nullptr;
    Window window_ = 0;
};
