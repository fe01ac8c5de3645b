// The demo plug-in's bank chunk: the bytes a host stores as its state and hands back to restore
// it. Layout, every number little-endian:
//   0  magic "VQDB"
//   4  version, uint32 (1)
//   8  count of values, uint32 (the number of parameters)
//   12 the normalized values, float32 each, in parameter order
// The reader takes outside bytes: it checks every length before it reads and accepts a chunk
// only when all of it is readable, so a refused chunk changes nothing.
#pragma once

#include <cstddef>
#include <cstdint>

#include "tools/demo-plugin/parameter_table.h"

namespace vq318demo {

inline constexpr unsigned char kBankChunkMagic[4] = {'V', 'Q', 'D', 'B'};
inline constexpr uint32_t kBankChunkVersion = 1;
inline constexpr size_t kBankChunkHeaderSize = 12;
inline constexpr size_t kBankChunkSize = kBankChunkHeaderSize + 4 * kParameterCount;

enum class ChunkStatus {
    kOk,
    kNoData,              // a null pointer with a size, or a negative size
    kTooShort,            // fewer bytes than the header
    kWrongMagic,          // not a chunk of this plug-in
    kUnsupportedVersion,  // written by another version of the format
    kWrongCount,          // another number of values than this plug-in has parameters
    kWrongSize,           // the size does not match the count (truncated or trailing bytes)
    kBadValue,            // a value that is not a number or lies outside 0 to 1
};

// Writes the chunk of `values` into `bytes`; returns its size, kBankChunkSize.
size_t WriteBankChunk(const float (&values)[kParameterCount],
                      unsigned char (&bytes)[kBankChunkSize]);

// Reads `size` bytes at `data` into `values`, which it writes only on kOk.
ChunkStatus ReadBankChunk(const void* data, intptr_t size, float (&values)[kParameterCount]);

}  // namespace vq318demo
