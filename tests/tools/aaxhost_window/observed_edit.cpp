#include "tests/tools/aaxhost_window/observed_edit.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <sstream>
#include <thread>

#include "tests/tools/aaxhost_window/display_observer.h"
#include "tools/aaxhost/window/png_file.h"

namespace {

using namespace std::chrono_literals;

const std::string kTitlePrefix = "aaxhost edit: ";

// The host's window and the windows inside it, as they are now.
void Look(DisplayObserver& observer, uintptr_t host, ObservedEdit& observed) {
    observed.host = observer.Box(host);
    observed.inner.clear();
    for (uintptr_t child : observer.Children(host)) observed.inner.push_back(observer.Box(child));
}

}  // namespace

bool HaveDisplay() {
    return DisplayObserver::Make() != nullptr;
}

int32_t TopLevelWindowCount() {
    std::unique_ptr<DisplayObserver> observer = DisplayObserver::Make();
    return observer != nullptr ? static_cast<int32_t>(observer->TopLevelWindows().size()) : 0;
}

ObservedEdit RunObservedEdit(const std::vector<std::string>& arguments, EditEnd end) {
    std::vector<std::string> command{"edit"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    ObservedEdit observed;
    std::thread program([&] { observed.run = RunAaxhost(command); });
    std::unique_ptr<DisplayObserver> observer = DisplayObserver::Make();
    const auto giveUp = std::chrono::steady_clock::now() + 20s;
    uintptr_t host = 0;
    while (observer != nullptr && host == 0 && std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(20ms);
        host = observer->FindShown(kTitlePrefix);
    }
    if (host != 0) {
        observed.hostSeen = true;
        // The editor makes its window as the host attaches it, just after the host's window
        // shows; some editors size it, and the host its window, only once open. A short run may
        // close the window again soon after, so the last look that found it counts.
        const auto noChild = std::chrono::steady_clock::now() + 1s;
        while (observed.inner.empty() && std::chrono::steady_clock::now() < noChild) {
            std::this_thread::sleep_for(10ms);
            Look(*observer, host, observed);
        }
        std::this_thread::sleep_for(250ms);
        ObservedEdit later;
        Look(*observer, host, later);
        if (!later.inner.empty()) {
            observed.host = later.host;
            observed.inner = later.inner;
        }
        if (end == EditEnd::kByCloseRequest) observer->AskToClose(host);
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
