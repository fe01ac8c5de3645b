#include "tools/aaxhost/program/scripted_drag.h"

#include "tools/demo-plugin/editor_layout.h"

namespace aaxhost {

std::optional<DragPath> BarDragPath(const std::string& identifier, float from, float to,
                                    int32_t width, int32_t height) {
    const int32_t index = vq318demo::FindIdentifier(identifier.c_str());
    if (index < 0) return std::nullopt;
    const vq318demo::ControlBox bar = vq318demo::BarOf(index, width, height);
    return DragPath{vq318demo::XOfValue(bar, from), vq318demo::XOfValue(bar, to),
                    (bar.top + bar.bottom) / 2};
}

ScriptedDrag::ScriptedDrag(HostWindow& window, const DragPath& path)
    : mWindow(window), mPath(path) {}

bool ScriptedDrag::Step() {
    constexpr int32_t kPress = 1;
    constexpr int32_t kRelease = kPress + kMotionSteps + 1;
    if (mRefused || mStep > kRelease) return false;
    bool done = false;
    if (mStep == 0) {
        done = mWindow.MovePointer(mPath.fromX, mPath.y);
    } else if (mStep == kPress) {
        done = mWindow.PressButton(true);
    } else if (mStep < kRelease) {
        const int32_t x = mPath.fromX + (mPath.toX - mPath.fromX) * (mStep - kPress) / kMotionSteps;
        done = mWindow.MovePointer(x, mPath.y);
    } else {
        done = mWindow.PressButton(false);
    }
    mRefused = !done;
    ++mStep;
    return done && mStep <= kRelease;
}

}  // namespace aaxhost
