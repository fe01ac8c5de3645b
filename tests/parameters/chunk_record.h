// Chunk records for the parser tests, allocated to exactly the header and the data area so
// that the sanitizers catch any access beyond the size that the record gives.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "abi/chunk.h"
#include "parameters/aax_chunk_data_parser.h"

class ChunkRecord {
  public:
    explicit ChunkRecord(const std::string& data, int32_t version = 0, size_t extra = 0)
        : mSize(kChunkHeaderSize + data.size() + extra), mStorage(new uint8_t[mSize]) {
        AAX_SPlugInChunk header{};
        header.fSize = static_cast<int32_t>(data.size());
        header.fVersion = version;
        std::memcpy(mStorage.get(), &header, kChunkHeaderSize);
        std::memcpy(mStorage.get() + kChunkHeaderSize, data.data(), data.size());
        std::memset(mStorage.get() + kChunkHeaderSize + data.size(), 0xAA, extra);
    }

    // A record holding what the parser writes, with `extra` bytes of 0xAA after its data area.
    static ChunkRecord Written(const AAX_CChunkDataParser& parser, size_t extra = 0) {
        ChunkRecord record(std::string(static_cast<size_t>(parser.GetChunkDataSize()), '\0'), 0,
                           extra);
        record.get()->fSize = -1;
        EXPECT_EQ(parser.GetChunkData(record.get()), AAX_SUCCESS);
        return record;
    }

    AAX_SPlugInChunk* get() { return reinterpret_cast<AAX_SPlugInChunk*>(mStorage.get()); }
    // The data area as the size field gives it.
    std::string Data() {
        return {reinterpret_cast<const char*>(mStorage.get() + kChunkHeaderSize),
                static_cast<size_t>(get()->fSize)};
    }
    // Everything after the header, including bytes past the data area.
    std::string AllAfterHeader() const {
        return {reinterpret_cast<const char*>(mStorage.get() + kChunkHeaderSize),
                mSize - kChunkHeaderSize};
    }

  private:
    size_t mSize;
    std::unique_ptr<uint8_t[]> mStorage;
};

// The entries as (type, name, number, text), for whole-list comparisons.
using EntryView = std::tuple<int32_t, std::string, uint64_t, std::string>;

inline std::vector<EntryView> View(const AAX_CChunkDataParser& parser) {
    std::vector<EntryView> view;
    for (const ChunkDataEntry& entry : parser.Entries()) {
        view.emplace_back(entry.type, entry.name.StdString(), entry.number, entry.text.StdString());
    }
    return view;
}
