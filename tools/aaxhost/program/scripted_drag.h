// A mouse drag on one bar of the demo editor, made through the window system's input one step per
// host timer tick, so that the editor sees each move between its idle calls while blocks render.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "tools/aaxhost/window/host_window.h"

namespace aaxhost {

// Where the drag goes, in pixels of the host window, which the editor fills from its corner.
struct DragPath {
    int32_t fromX = 0;
    int32_t toX = 0;
    int32_t y = 0;
};

// The path that drags the bar of parameter `identifier` from the column showing `from` to the
// column showing `to`, in the demo editor laid out at `width` × `height`; none when that editor
// has no such control.
std::optional<DragPath> BarDragPath(const std::string& identifier, float from, float to,
                                    int32_t width, int32_t height);

class ScriptedDrag {
  public:
    ScriptedDrag(HostWindow& window, const DragPath& path);

    // Makes the next move: the pointer to the start, the button down, the motion steps, the
    // button up. False once the drag is over or the window system refused a move.
    bool Step();
    bool Refused() const { return mRefused; }

    static constexpr int32_t kMotionSteps = 6;

  private:
    HostWindow& mWindow;
    DragPath mPath;
    int32_t mStep = 0;
    bool mRefused = false;
};

}  // namespace aaxhost
