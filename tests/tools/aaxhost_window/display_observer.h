// The test's own view of the window system, as another program on the desktop has it: top-level
// windows, the windows inside one, their sizes, and the close request a user's click sends.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tests/tools/aaxhost_window/observed_edit.h"

class DisplayObserver {
  public:
    // Null when there is no display to watch.
    static std::unique_ptr<DisplayObserver> Make();
    virtual ~DisplayObserver() = default;

    virtual std::vector<uintptr_t> TopLevelWindows() = 0;
    // The shown top-level window whose title starts with `prefix`; 0 when there is none.
    virtual uintptr_t FindShown(const std::string& prefix) = 0;
    // The windows directly inside `window`.
    virtual std::vector<uintptr_t> Children(uintptr_t window) = 0;
    // The size of the inside of `window`; 0 × 0 once it is gone.
    virtual WindowBox Box(uintptr_t window) = 0;
    virtual void AskToClose(uintptr_t window) = 0;
};
