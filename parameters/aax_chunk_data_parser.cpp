#include "parameters/aax_chunk_data_parser.h"

#include <bit>
#include <cstring>

void AAX_CChunkDataParser::Clear() {
    mEntries.clear();
    mLastFoundIndex = -1;
    mChunkVersion = -1;
}

void AAX_CChunkDataParser::AddDouble(const char* name, double value) {
    ChunkDataEntry& entry = mEntries.emplace_back();
    entry.type = kChunkValueDouble;
    entry.name = name;
    entry.number = std::bit_cast<uint64_t>(value);
}

void AAX_CChunkDataParser::AddInt32(const char* name, int32_t value) {
    ChunkDataEntry& entry = mEntries.emplace_back();
    entry.type = kChunkValueInt32;
    entry.name = name;
    entry.number = static_cast<uint32_t>(value);
}

void AAX_CChunkDataParser::AddString(const char* name, AAX_CString value) {
    ChunkDataEntry& entry = mEntries.emplace_back();
    entry.type = kChunkValueString;
    entry.name = name;
    entry.text = value;
}

bool AAX_CChunkDataParser::FindDouble(const char* name, double* value) {
    const int32_t index = FindName(name);
    if (index < 0 || mEntries[static_cast<size_t>(index)].type != kChunkValueDouble) return false;
    *value = std::bit_cast<double>(mEntries[static_cast<size_t>(index)].number);
    return true;
}

bool AAX_CChunkDataParser::FindInt32(const char* name, int32_t* value) {
    const int32_t index = FindName(name);
    if (index < 0 || mEntries[static_cast<size_t>(index)].type != kChunkValueInt32) return false;
    *value =
        static_cast<int32_t>(static_cast<uint32_t>(mEntries[static_cast<size_t>(index)].number));
    return true;
}

bool AAX_CChunkDataParser::FindString(const char* name, AAX_IString* value) {
    const int32_t index = FindName(name);
    if (index < 0 || mEntries[static_cast<size_t>(index)].type != kChunkValueString) return false;
    value->Set(mEntries[static_cast<size_t>(index)].text.Get());
    return true;
}

int32_t AAX_CChunkDataParser::FindName(const char* name) {
    if (name == nullptr) name = "";
    const auto count = static_cast<int32_t>(mEntries.size());
    if (mLastFoundIndex >= count - 1) mLastFoundIndex = -1;
    const auto matches = [&](int32_t index) {
        return std::strcmp(mEntries[static_cast<size_t>(index)].name.Get(), name) == 0;
    };
    int32_t found = -1;
    for (int32_t index = mLastFoundIndex + 1; index < count && found < 0; ++index) {
        if (matches(index)) found = index;
    }
    for (int32_t index = 0; index <= mLastFoundIndex && found < 0; ++index) {
        if (matches(index)) found = index;
    }
    if (found >= 0) mLastFoundIndex = found;
    return found;
}
