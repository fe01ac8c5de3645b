// One named, typed value of a chunk data area, as the chunk data parser holds it in memory.
#pragma once

#include <cstdint>

#include "host/aax_string.h"

enum ChunkValueType : int32_t {
    kChunkValueNone = 0,  // a key whose type letter is unknown: no value
    kChunkValueFloat = 1,
    kChunkValueInt32 = 2,
    kChunkValueDouble = 3,
    kChunkValueInt16 = 4,
    kChunkValueString = 5,
};

struct ChunkDataEntry {
    int32_t type = kChunkValueNone;
    AAX_CString name;  // without the type prefix
    // The value's bits as a number: all 64 for a double, the low 32 for a float or 32-bit
    // integer, the low 16 for a 16-bit integer; the rest zero.
    uint64_t number = 0;
    AAX_CString text;  // a string entry's value
};
