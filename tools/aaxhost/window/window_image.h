// What a window showed at one moment: rows from the top, each pixel 0x00RRGGBB.
#pragma once

#include <cstdint>
#include <vector>

namespace aaxhost {

struct WindowImage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;  // width × height
};

}  // namespace aaxhost
