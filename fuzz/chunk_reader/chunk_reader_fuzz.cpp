// Feeds arbitrary bytes to the chunk reader as a record's data area, writes what it read and
// reads that again: the second read must give the same entries in the same order.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "parameters/aax_chunk_data_parser.h"

namespace {

// A record sized to exactly its header and data area, so reading past the size is caught. The
// data area is zero unless bytes are given.
std::unique_ptr<unsigned char[]> MakeRecord(const uint8_t* data, size_t size) {
    auto record = std::make_unique<unsigned char[]>(kChunkHeaderSize + size);
    AAX_SPlugInChunk header{};
    header.fSize = static_cast<int32_t>(size);
    header.fVersion = 1;
    std::memcpy(record.get(), &header, kChunkHeaderSize);
    if (data != nullptr && size > 0) std::memcpy(record.get() + kChunkHeaderSize, data, size);
    return record;
}

AAX_SPlugInChunk* AsChunk(const std::unique_ptr<unsigned char[]>& record) {
    return reinterpret_cast<AAX_SPlugInChunk*>(record.get());
}

bool SameEntries(const AAX_CChunkDataParser& a, const AAX_CChunkDataParser& b) {
    if (a.Entries().size() != b.Entries().size()) return false;
    for (size_t i = 0; i < a.Entries().size(); ++i) {
        const ChunkDataEntry& x = a.Entries()[i];
        const ChunkDataEntry& y = b.Entries()[i];
        if (x.type != y.type || x.number != y.number || !(x.name == y.name) ||
            !(x.text == y.text)) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > (1u << 20)) return 0;
    const auto input = MakeRecord(data, size);
    AAX_CChunkDataParser first;
    first.LoadChunk(AsChunk(input));

    const auto written = MakeRecord(nullptr, static_cast<size_t>(first.GetChunkDataSize()));
    if (first.GetChunkData(AsChunk(written)) != AAX_SUCCESS) std::abort();
    AAX_CChunkDataParser second;
    second.LoadChunk(AsChunk(written));
    if (!SameEntries(first, second)) std::abort();
    return 0;
}
