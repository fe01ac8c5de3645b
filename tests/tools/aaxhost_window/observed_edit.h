// `aaxhost edit` run in the test process while the test watches the display as another program
// on the desktop would: the host's top-level window,
// the windows inside it and the number of top-level windows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/tools/aaxhost_program/program_runner.h"

struct WindowBox {
    uintptr_t id = 0;
    int32_t width = 0;
    int32_t height = 0;
};

struct ObservedEdit {
    ProgramRun run;
    bool hostSeen = false;         // a top-level window titled "aaxhost edit: ..." appeared
    WindowBox host;                // its inside
    std::vector<WindowBox> inner;  // the windows directly inside it
};

// How the edit ends: by its --seconds, or by the test asking the window to close as a user's
// click on its close box does, once the editor showed.
enum class EditEnd { kBySeconds, kByCloseRequest };

// Whether there is a display to test on.
bool HaveDisplay();
// Top-level windows of the display now.
int32_t TopLevelWindowCount();
// Runs `aaxhost edit` with `arguments` (the command word is added) and watches it.
ObservedEdit RunObservedEdit(const std::vector<std::string>& arguments, EditEnd end);

// The size that `aaxhost edit` printed for the editor's view; 0 × 0 when it printed none.
WindowBox PrintedWindow(const std::string& out);
// Where the window tests leave their screenshots: a fixed folder of the build tree.
std::string ScreenshotPath(const std::string& name);
// Distinct colours in a PNG file; 0 after a test failure when the file cannot be read.
size_t DistinctColours(const std::string& path, WindowBox& size);
