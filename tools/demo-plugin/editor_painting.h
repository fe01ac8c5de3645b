// The demo editor's picture: for each parameter its name, its value text and a bar filled to its
// normalized value, where editor_layout.h places them.
#pragma once

#include <cstdint>

#include "tools/demo-plugin/editor_canvas.h"
#include "tools/demo-plugin/parameter_table.h"

namespace vq318demo {

void PaintEditor(Canvas& canvas, const float (&values)[kParameterCount], int32_t width,
                 int32_t height);

}  // namespace vq318demo
