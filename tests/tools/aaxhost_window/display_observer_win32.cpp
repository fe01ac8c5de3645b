#include <windows.h>

#include "tests/tools/aaxhost_window/display_observer.h"

namespace {

BOOL CALLBACK Collect(HWND window, LPARAM found) {
    reinterpret_cast<std::vector<uintptr_t>*>(found)->push_back(
        reinterpret_cast<uintptr_t>(window));
    return TRUE;
}

HWND Handle(uintptr_t window) {
    return reinterpret_cast<HWND>(window);
}

class Win32Observer final : public DisplayObserver {
  public:
    std::vector<uintptr_t> TopLevelWindows() override {
        std::vector<uintptr_t> found;
        EnumWindows(Collect, reinterpret_cast<LPARAM>(&found));
        return found;
    }

    uintptr_t FindShown(const std::string& prefix) override {
        for (uintptr_t window : TopLevelWindows()) {
            char title[256] = {};
            GetWindowTextA(Handle(window), title, sizeof title);
            if (std::string(title).rfind(prefix, 0) == 0 && IsWindowVisible(Handle(window))) {
                return window;
            }
        }
        return 0;
    }

    // EnumChildWindows reaches every descendant; only those whose parent is `parent` count.
    std::vector<uintptr_t> Children(uintptr_t parent) override {
        std::vector<uintptr_t> all;
        EnumChildWindows(Handle(parent), Collect, reinterpret_cast<LPARAM>(&all));
        std::vector<uintptr_t> direct;
        for (uintptr_t child : all) {
            if (GetParent(Handle(child)) == Handle(parent)) direct.push_back(child);
        }
        return direct;
    }

    WindowBox Box(uintptr_t window) override {
        RECT client;
        if (!GetClientRect(Handle(window), &client)) return {};
        return {window, client.right - client.left, client.bottom - client.top};
    }

    void AskToClose(uintptr_t window) override { PostMessageA(Handle(window), WM_CLOSE, 0, 0); }
};

}  // namespace

std::unique_ptr<DisplayObserver> DisplayObserver::Make() {
    return std::make_unique<Win32Observer>();
}
