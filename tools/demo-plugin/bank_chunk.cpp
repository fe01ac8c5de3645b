#include "tools/demo-plugin/bank_chunk.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace vq318demo {
namespace {

void PutUint32(unsigned char* at, uint32_t value) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<unsigned char>(value >> (8 * i));
}

uint32_t GetUint32(const unsigned char* at) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(at[i]) << (8 * i);
    return value;
}

}  // namespace

size_t WriteBankChunk(const float (&values)[kParameterCount],
                      unsigned char (&bytes)[kBankChunkSize]) {
    std::memcpy(bytes, kBankChunkMagic, sizeof kBankChunkMagic);
    PutUint32(bytes + 4, kBankChunkVersion);
    PutUint32(bytes + 8, kParameterCount);
    for (int32_t i = 0; i < kParameterCount; ++i) {
        PutUint32(bytes + kBankChunkHeaderSize + 4 * i, std::bit_cast<uint32_t>(values[i]));
    }
    return kBankChunkSize;
}

ChunkStatus ReadBankChunk(const void* data, intptr_t size, float (&values)[kParameterCount]) {
    if (size < 0 || (data == nullptr && size != 0)) return ChunkStatus::kNoData;
    const auto length = static_cast<size_t>(size);
    if (length < kBankChunkHeaderSize) return ChunkStatus::kTooShort;
    const auto* bytes = static_cast<const unsigned char*>(data);
    if (std::memcmp(bytes, kBankChunkMagic, sizeof kBankChunkMagic) != 0) {
        return ChunkStatus::kWrongMagic;
    }
    if (GetUint32(bytes + 4) != kBankChunkVersion) return ChunkStatus::kUnsupportedVersion;
    if (GetUint32(bytes + 8) != static_cast<uint32_t>(kParameterCount)) {
        return ChunkStatus::kWrongCount;
    }
    if (length != kBankChunkSize) return ChunkStatus::kWrongSize;

    float read[kParameterCount];
    for (int32_t i = 0; i < kParameterCount; ++i) {
        read[i] = std::bit_cast<float>(GetUint32(bytes + kBankChunkHeaderSize + 4 * i));
        if (!(read[i] >= 0.0f && read[i] <= 1.0f)) return ChunkStatus::kBadValue;
    }
    std::memcpy(values, read, sizeof read);
    return ChunkStatus::kOk;
}

}  // namespace vq318demo
