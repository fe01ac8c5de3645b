#include "tools/demo-plugin/editor_painting.h"

#include <cmath>
#include <cstdio>

namespace vq318demo {

void PaintEditor(Canvas& canvas, const float (&values)[kParameterCount], int32_t width,
                 int32_t height) {
    canvas.Fill(ControlBox{0, 0, width, height}, kBackground);
    for (int32_t index = 0; index < kParameterCount; ++index) {
        const ControlBox bar = BarOf(index, width, height);
        // The text sits on the bar's lower quarter so that it reads as the bar's caption.
        const int32_t baseline = bar.bottom - (bar.bottom - bar.top) / 4;
        canvas.Text(width / 40, baseline, InfoOf(index).name, kText);
        char value[16];
        FormatValue(index, values[index], value, sizeof value);
        char caption[32];
        const char* unit = UnitOf(index);
        std::snprintf(caption, sizeof caption, "%s%s%s", value, unit[0] != '\0' ? " " : "", unit);
        canvas.Text(width / 5, baseline, caption, kText);

        canvas.Fill(bar, kTrack);
        const auto filled = static_cast<int32_t>(
            std::lround(values[index] * static_cast<float>(bar.right - bar.left)));
        canvas.Fill(ControlBox{bar.left, bar.top, bar.left + filled, bar.bottom}, kFill);
    }
}

}  // namespace vq318demo
