// The pieces of the chunk data format that the writer and the reader share.
#pragma once

#include <cstddef>
#include <cstdint>

#include "parameters/chunk_data_entry.h"

namespace chunk_format {

// The first four bytes of every data area this format writes.
constexpr uint32_t kMarker = 0x01010101u;
constexpr size_t kMarkerSize = 4;
// Bytes of a key besides the name: type letter, underscore, NUL.
constexpr size_t kKeyOverhead = 3;
// An entry read with an unknown type letter has no value; it is written back with this letter,
// which no type uses, so that it reads back as the same untyped entry.
constexpr char kUntypedLetter = '?';

// How each value type is stored. A string has no fixed width: its text, a NUL, then padding.
struct ValueFormat {
    char letter;
    int32_t type;
    size_t width;  // bytes of the value itself
    size_t taken;  // bytes the value takes, padding included
};

constexpr ValueFormat kValueFormats[] = {
    {'f', kChunkValueFloat, 4, 4}, {'l', kChunkValueInt32, 4, 4},  {'d', kChunkValueDouble, 8, 8},
    {'s', kChunkValueInt16, 2, 4}, {'r', kChunkValueString, 0, 0},
};

// Null for an unknown letter or type.
inline const ValueFormat* FormatOfLetter(unsigned char letter) {
    for (const ValueFormat& format : kValueFormats) {
        if (static_cast<unsigned char>(format.letter) == letter) return &format;
    }
    return nullptr;
}

inline const ValueFormat* FormatOfType(int32_t type) {
    for (const ValueFormat& format : kValueFormats) {
        if (format.type == type) return &format;
    }
    return nullptr;
}

constexpr size_t RoundUpTo4(size_t count) {
    return (count + 3) & ~size_t{3};
}

// Most significant byte first.
inline void WriteBigEndian(unsigned char* at, uint64_t number, size_t width) {
    for (size_t i = 0; i < width; ++i) {
        at[i] = static_cast<unsigned char>(number >> (8 * (width - 1 - i)));
    }
}

inline uint64_t ReadBigEndian(const unsigned char* at, size_t width) {
    uint64_t number = 0;
    for (size_t i = 0; i < width; ++i) number = (number << 8) | at[i];
    return number;
}

}  // namespace chunk_format
