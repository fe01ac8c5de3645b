// Where the demo editor draws each parameter: one row per parameter, its name and value text at
// the left and a horizontal bar at the right whose filled part shows the normalized value. Given
// in pixels of an editor of `width` × `height`, so that the layout follows the prepared scale and
// a host can aim real input at a control.
#pragma once

#include <cstdint>

#include "tools/demo-plugin/parameter_table.h"

namespace vq318demo {

struct ControlBox {
    int32_t left;
    int32_t top;
    int32_t right;   // one past the last column
    int32_t bottom;  // one past the last row
};

// The bar of parameter `index` in an editor of `width` × `height` pixels.
constexpr ControlBox BarOf(int32_t index, int32_t width, int32_t height) {
    const int32_t rowHeight = height / (kParameterCount + 1);
    const int32_t top = rowHeight / 2 + index * rowHeight + rowHeight / 4;
    return ControlBox{width * 2 / 5, top, width - width / 20, top + rowHeight / 2};
}

// The value a press or drag at column `x` sets: the bar's columns mapped onto 0 to 1, clamped.
constexpr float ValueAtX(const ControlBox& bar, int32_t x) {
    const int32_t span = bar.right - 1 - bar.left;
    if (span <= 0 || x <= bar.left) return 0.0f;
    if (x >= bar.right - 1) return 1.0f;
    return static_cast<float>(x - bar.left) / static_cast<float>(span);
}

// The column of `bar` that shows `value` (clamped to 0 to 1).
constexpr int32_t XOfValue(const ControlBox& bar, float value) {
    const float clamped = value < 0.0f ? 0.0f : (value > 1.0f ? 1.0f : value);
    const int32_t span = bar.right - 1 - bar.left;
    return bar.left + static_cast<int32_t>(clamped * static_cast<float>(span) + 0.5f);
}

}  // namespace vq318demo
