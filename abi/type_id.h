// Four-character codes: 32-bit values written as four characters, the first in the most
// significant byte. Chunk identifiers, notification types and custom data blocks are such codes.
#pragma once

#include <cstdint>

using TypeCode = uint32_t;

// The code of a four-character text: FourCharCode("elck") is 0x656C636B.
consteval TypeCode FourCharCode(const char (&text)[5]) {
    return static_cast<TypeCode>(static_cast<unsigned char>(text[0])) << 24 |
           static_cast<TypeCode>(static_cast<unsigned char>(text[1])) << 16 |
           static_cast<TypeCode>(static_cast<unsigned char>(text[2])) << 8 |
           static_cast<TypeCode>(static_cast<unsigned char>(text[3]));
}
static_assert(FourCharCode("elck") == 0x656C636Bu);
