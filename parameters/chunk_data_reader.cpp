// Reading the chunk data format. The bytes come from saved sessions and may be anything; the
// reader stays inside the size that the record gives. Malformed data is handled so:
// - A key or a string value without a NUL before the end of the data ends the reading; the
//   entries before it are kept. A key may be of any length: the writer does not limit names.
// - A key of fewer than two characters (no name after the type prefix; four zero bytes read
//   like an empty key) is no entry: it is stepped over and reading goes on after its padding.
// - A value whose own bytes do not fit before the end of the data ends the reading and its entry
//   is dropped. Padding after a value or a key may be cut short by the end.
#include <cstddef>
#include <cstring>

#include "parameters/aax_chunk_data_parser.h"
#include "parameters/chunk_data_format.h"

namespace {

using chunk_format::ReadBigEndian;
using chunk_format::RoundUpTo4;

// Length of the NUL-terminated text at position, or -1 when it does not end within the data.
ptrdiff_t TextLength(const unsigned char* data, size_t size, size_t position) {
    if (position >= size) return -1;
    const void* nul = std::memchr(data + position, 0, size - position);
    if (nul == nullptr) return -1;
    return static_cast<const unsigned char*>(nul) - (data + position);
}

bool Fits(size_t size, size_t position, size_t width) {
    return position <= size && size - position >= width;
}

}  // namespace

void AAX_CChunkDataParser::LoadChunk(const AAX_SPlugInChunk* chunk) {
    mLastFoundIndex = -1;
    mEntries.clear();
    if (chunk == nullptr) {
        mChunkVersion = -1;
        return;
    }
    mChunkVersion = chunk->fVersion;
    if (chunk->fSize < static_cast<int32_t>(chunk_format::kMarkerSize)) return;
    const auto* data = reinterpret_cast<const unsigned char*>(chunk->fData);
    const auto size = static_cast<size_t>(chunk->fSize);
    if (ReadBigEndian(data, chunk_format::kMarkerSize) != chunk_format::kMarker) return;

    size_t position = chunk_format::kMarkerSize;
    while (position < size) {
        const ptrdiff_t keyLength = TextLength(data, size, position);
        if (keyLength < 0) return;
        const unsigned char* key = data + position;
        position = RoundUpTo4(position + static_cast<size_t>(keyLength) + 1);
        if (keyLength < 2) continue;

        const chunk_format::ValueFormat* format = chunk_format::FormatOfLetter(key[0]);
        const char* text = "";
        uint64_t number = 0;
        if (format != nullptr && format->type == kChunkValueString) {
            const ptrdiff_t textLength = TextLength(data, size, position);
            if (textLength < 0) return;
            text = reinterpret_cast<const char*>(data + position);
            position = RoundUpTo4(position + static_cast<size_t>(textLength) + 1);
        } else if (format != nullptr) {
            if (!Fits(size, position, format->width)) return;
            number = ReadBigEndian(data + position, format->width);
            position += format->taken;
        }
        ChunkDataEntry& entry = mEntries.emplace_back();
        entry.type = format == nullptr ? kChunkValueNone : format->type;
        entry.name = reinterpret_cast<const char*>(key + 2);
        entry.number = number;
        entry.text = text;
    }
}
