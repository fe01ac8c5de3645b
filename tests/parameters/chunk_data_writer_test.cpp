#include <gtest/gtest.h>

#include <string>

#include "tests/parameters/chunk_record.h"

using namespace std::string_literals;

namespace {

const std::string kMarker = "\x01\x01\x01\x01"s;

}  // namespace

TEST(ChunkDataWriter, EmptyParserWritesOnlyTheMarker) {
    AAX_CChunkDataParser parser;
    EXPECT_EQ(parser.GetChunkDataSize(), 4);
    EXPECT_EQ(ChunkRecord::Written(parser).Data(), kMarker);
}

TEST(ChunkDataWriter, WritesTheWorkedExampleByteForByte) {
    AAX_CChunkDataParser parser;
    parser.AddDouble("Gain", 1.0);
    EXPECT_EQ(parser.GetChunkDataSize(), 20);
    ChunkRecord record = ChunkRecord::Written(parser);
    EXPECT_EQ(record.get()->fSize, 20);
    EXPECT_EQ(record.Data(), kMarker + "d_Gain\0\0"s + "\x3F\xF0\0\0\0\0\0\0"s);
}

TEST(ChunkDataWriter, PadsKeysAndStringsWithZerosToMultiplesOfFour) {
    struct Case {
        const char* name;
        const char* text;
        std::string bytes;
    };
    const Case cases[] = {
        {"Level", "", "r_Level\0"s + "\0\0\0\0"s},
        {"Levels", "abc", "r_Levels\0\0\0\0"s + "abc\0"s},
        {"L", "abcd", "r_L\0"s + "abcd\0\0\0\0"s},
    };
    for (const Case& c : cases) {
        AAX_CChunkDataParser parser;
        parser.AddString(c.name, c.text);
        EXPECT_EQ(ChunkRecord::Written(parser).Data(), kMarker + c.bytes) << c.name;
        EXPECT_EQ(parser.GetChunkDataSize(), static_cast<int32_t>(4 + c.bytes.size()));
    }
}

TEST(ChunkDataWriter, StoresIntegersBigEndianAndNothingPastTheSize) {
    AAX_CChunkDataParser parser;
    parser.AddInt32("A", -2);
    parser.AddInt32("B", 300);
    ChunkRecord record = ChunkRecord::Written(parser, 8);
    EXPECT_EQ(record.AllAfterHeader(),
              kMarker + "l_A\0\xFF\xFF\xFF\xFE"s + "l_B\0\0\0\x01\x2C"s + std::string(8, '\xAA'));
}

TEST(ChunkDataWriter, NullRecordIsAWriteFailure) {
    AAX_CChunkDataParser parser;
    EXPECT_EQ(parser.GetChunkData(nullptr), kChunkParserWriteFailed);
}
