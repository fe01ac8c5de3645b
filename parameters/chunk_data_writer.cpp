// Writing the chunk data format: sizes and bytes of the entries.
#include <cstring>

#include "parameters/aax_chunk_data_parser.h"
#include "parameters/chunk_data_format.h"

namespace {

using chunk_format::FormatOfType;
using chunk_format::RoundUpTo4;

size_t KeySize(const ChunkDataEntry& entry) {
    return RoundUpTo4(entry.name.Length() + chunk_format::kKeyOverhead);
}

// Bytes the value takes after the key; an untyped entry has no value.
size_t ValueSize(const ChunkDataEntry& entry) {
    if (entry.type == kChunkValueString) return RoundUpTo4(entry.text.Length() + 1);
    const chunk_format::ValueFormat* format = FormatOfType(entry.type);
    return format == nullptr ? 0 : format->taken;
}

}  // namespace

int32_t AAX_CChunkDataParser::GetChunkDataSize() const {
    size_t size = chunk_format::kMarkerSize;
    for (const ChunkDataEntry& entry : mEntries) size += KeySize(entry) + ValueSize(entry);
    return static_cast<int32_t>(size);
}

int32_t AAX_CChunkDataParser::GetChunkData(AAX_SPlugInChunk* chunk) const {
    if (chunk == nullptr) return kChunkParserWriteFailed;
    const int32_t size = GetChunkDataSize();
    chunk->fSize = size;
    // Every padding byte is zero, so zeroing first leaves only the content to write.
    auto* data = reinterpret_cast<unsigned char*>(chunk->fData);
    std::memset(data, 0, static_cast<size_t>(size));
    chunk_format::WriteBigEndian(data, chunk_format::kMarker, chunk_format::kMarkerSize);
    size_t position = chunk_format::kMarkerSize;
    for (const ChunkDataEntry& entry : mEntries) {
        const chunk_format::ValueFormat* format = FormatOfType(entry.type);
        data[position] = format == nullptr ? chunk_format::kUntypedLetter : format->letter;
        data[position + 1] = '_';
        std::memcpy(data + position + 2, entry.name.Get(), entry.name.Length());
        position += KeySize(entry);
        if (entry.type == kChunkValueString) {
            std::memcpy(data + position, entry.text.Get(), entry.text.Length());
        } else if (format != nullptr) {
            chunk_format::WriteBigEndian(data + position, entry.number, format->width);
        }
        position += ValueSize(entry);
    }
    return AAX_SUCCESS;
}
