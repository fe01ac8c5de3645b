#include "tests/tools/aaxhost_window/observed_edit.h"

// GoogleTest before Xlib: Xlib's macros (None among them) would rename GoogleTest's names.
#include <gtest/gtest.h>
// clang-format off
#include <X11/Xlib.h>
#include <X11/Xutil.h>
// clang-format on

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <thread>

#include "tools/aaxhost/window/png_file.h"

namespace {

using namespace std::chrono_literals;

const std::string kTitlePrefix = "aaxhost edit: ";

// The windows watched belong to another connection and may go at any moment; asking after one
// that is gone answers nothing rather than ending the process.
int IgnoreError(Display*, XErrorEvent*) {
    return 0;
}

class Observer {
  public:
    Observer() {
        XInitThreads();
        XSetErrorHandler(IgnoreError);
        display_ = XOpenDisplay(nullptr);
    }
    ~Observer() {
        if (display_ != nullptr) XCloseDisplay(display_);
    }
    Observer(const Observer&) = delete;
    Observer& operator=(const Observer&) = delete;

    std::vector<Window> Children(Window parent) const {
        Window root = 0;
        Window up = 0;
        Window* children = nullptr;
        unsigned count = 0;
        std::vector<Window> found;
        if (XQueryTree(display_, parent, &root, &up, &children, &count) != 0) {
            found.assign(children, children + count);
            XFree(children);
        }
        return found;
    }
    Window Root() const { return DefaultRootWindow(display_); }

    // The host's window, once it is there and mapped.
    Window FindHost() const {
        for (Window window : Children(Root())) {
            char* name = nullptr;
            XWindowAttributes attributes;
            if (XFetchName(display_, window, &name) == 0 || name == nullptr) continue;
            const bool host = std::string(name).rfind(kTitlePrefix, 0) == 0;
            XFree(name);
            if (host && XGetWindowAttributes(display_, window, &attributes) != 0 &&
                attributes.map_state == IsViewable) {
                return window;
            }
        }
        return 0;
    }

    WindowBox Box(Window window) const {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display_, window, &attributes) == 0) return {};
        return {window, attributes.width, attributes.height};
    }

    void AskToClose(Window window) const {
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

    void Sync() const { XSync(display_, False); }
    bool Ready() const { return display_ != nullptr; }

  private:
    Display* display_ = nullptr;
};

}  // namespace

bool HaveDisplay() {
    const char* display = std::getenv("DISPLAY");
    return display != nullptr && *display != '\0' && Observer().Ready();
}

int32_t TopLevelWindowCount() {
    Observer observer;
    return static_cast<int32_t>(observer.Children(observer.Root()).size());
}

ObservedEdit RunObservedEdit(const std::vector<std::string>& arguments, EditEnd end) {
    std::vector<std::string> command{"edit"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    ObservedEdit observed;
    std::thread program([&] { observed.run = RunAaxhost(command); });
    Observer observer;
    const auto giveUp = std::chrono::steady_clock::now() + 20s;
    Window host = 0;
    while (host == 0 && std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(20ms);
        observer.Sync();
        host = observer.FindHost();
    }
    if (host != 0) {
        observed.hostSeen = true;
        // The editor makes its windows while it opens, before the host's first timer tick.
        std::this_thread::sleep_for(300ms);
        observer.Sync();
        observed.host = observer.Box(host);
        for (Window child : observer.Children(host)) {
            observed.inner.push_back(observer.Box(child));
        }
        if (end == EditEnd::kByCloseRequest) observer.AskToClose(host);
    }
    program.join();
    return observed;
}

WindowBox PrintedWindow(const std::string& out) {
    const size_t line = out.find("window: ");
    if (line == std::string::npos) return {};
    std::istringstream words(out.substr(line + 8));
    std::string handle;
    std::string times;
    WindowBox box;
    words >> handle >> box.width >> times >> box.height;
    return box;
}

std::string ScreenshotPath(const std::string& name) {
    std::filesystem::create_directories(VQ318_WINDOW_SCREENSHOTS);
    const std::string path = std::string(VQ318_WINDOW_SCREENSHOTS) + "/" + name + ".png";
    std::filesystem::remove(path);
    return path;
}

size_t DistinctColours(const std::string& path, WindowBox& size) {
    aaxhost::WindowImage image;
    std::string error;
    if (!aaxhost::ReadPngFile(path, image, error)) {
        ADD_FAILURE() << error;
        return 0;
    }
    size.width = image.width;
    size.height = image.height;
    return std::set<uint32_t>(image.pixels.begin(), image.pixels.end()).size();
}
