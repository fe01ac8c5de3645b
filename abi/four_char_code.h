// Four-character codes: 32-bit values written as four characters, the first in the most
// significant byte ('Morv' is 0x4D6F7276).
#pragma once

#include <cstdint>

constexpr uint32_t FourCharCode(const char (&text)[5]) {
    return static_cast<uint32_t>(static_cast<unsigned char>(text[0])) << 24 |
           static_cast<uint32_t>(static_cast<unsigned char>(text[1])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(text[2])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(text[3]));
}

static_assert(FourCharCode("Morv") == 0x4D6F7276u);
