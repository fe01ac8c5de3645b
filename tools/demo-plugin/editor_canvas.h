// What the demo editor paints with: filled boxes and lines of text in a few inks, so that the
// picture is drawn once for every window system and each system only turns these into its own
// drawing calls.
#pragma once

#include <cstdint>

#include "tools/demo-plugin/editor_layout.h"

namespace vq318demo {

enum Ink : int32_t { kBackground, kText, kTrack, kFill, kInkCount };

struct Rgb {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

constexpr Rgb ColourOf(Ink ink) {
    constexpr Rgb kColours[kInkCount] = {
        {0x1e, 0x22, 0x28}, {0xe6, 0xe6, 0xe6}, {0x3c, 0x44, 0x50}, {0x48, 0xa0, 0xe8}};
    return kColours[ink];
}

class Canvas {
  public:
    // Paints the pixels of `box`; an empty box paints nothing.
    virtual void Fill(const ControlBox& box, Ink ink) = 0;
    // Writes `text` from column `x` with its base line on row `baseline`.
    virtual void Text(int32_t x, int32_t baseline, const char* text, Ink ink) = 0;

  protected:
    ~Canvas() = default;
};

}  // namespace vq318demo
