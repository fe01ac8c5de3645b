// The host's plug-in chunk record: a fixed 56-byte header followed by the data area. The host
// allocates the record with room for the data area it was told about; integers are in the host's
// native byte order.
#pragma once

#include <cstddef>
#include <cstdint>

struct AAX_SPlugInChunk {
    int32_t fSize;             // bytes in the data area
    int32_t fVersion;          // the writer's format version
    uint32_t fManufacturerID;  // four-character codes
    uint32_t fProductID;
    uint32_t fPlugInID;
    uint32_t fChunkID;
    char fName[32];  // NUL-padded
    char fData[1];   // first byte of the data area, which runs on for fSize bytes
};

constexpr size_t kChunkHeaderSize = 56;

static_assert(offsetof(AAX_SPlugInChunk, fSize) == 0);
static_assert(offsetof(AAX_SPlugInChunk, fVersion) == 4);
static_assert(offsetof(AAX_SPlugInChunk, fManufacturerID) == 8);
static_assert(offsetof(AAX_SPlugInChunk, fProductID) == 12);
static_assert(offsetof(AAX_SPlugInChunk, fPlugInID) == 16);
static_assert(offsetof(AAX_SPlugInChunk, fChunkID) == 20);
static_assert(offsetof(AAX_SPlugInChunk, fName) == 24);
static_assert(offsetof(AAX_SPlugInChunk, fData) == kChunkHeaderSize);
static_assert(sizeof(AAX_SPlugInChunk) == 60);
