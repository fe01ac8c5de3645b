#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/parameters/chunk_record.h"

using namespace std::string_literals;

namespace {

const std::string kMarker = "\x01\x01\x01\x01"s;

std::vector<std::string> Names(const AAX_CChunkDataParser& parser) {
    std::vector<std::string> names;
    for (const ChunkDataEntry& entry : parser.Entries()) names.push_back(entry.name.StdString());
    return names;
}

}  // namespace

TEST(ChunkDataReader, ReadsBackWhatWasWrittenInTheSameOrder) {
    AAX_CChunkDataParser written;
    written.AddDouble("Gain", -0.125);
    written.AddInt32("Mode", -2);
    written.AddString("Label", "Lead vocal");
    written.AddInt32("Mode", 7);
    ChunkRecord record = ChunkRecord::Written(written);
    record.get()->fVersion = 3;

    AAX_CChunkDataParser read;
    read.LoadChunk(record.get());
    EXPECT_EQ(View(read), View(written));
    EXPECT_EQ(read.GetChunkVersion(), 3);
    EXPECT_EQ(ChunkRecord::Written(read).Data(), record.Data());
}

TEST(ChunkDataReader, ReadsEveryTypeAndWritesTheSameBytesBack) {
    const std::string data = kMarker + "f_F\0\x3F\xC0\0\0"s + "s_S\0\x01\x2C\0\0"s +
                             "l_L\0\xFF\xFF\xFF\xFE"s + "d_D\0\x3F\xF0\0\0\0\0\0\0"s +
                             "r_R\0hi\0\0"s;
    ChunkRecord record(data);
    AAX_CChunkDataParser parser;
    parser.LoadChunk(record.get());
    EXPECT_EQ(View(parser),
              (std::vector<EntryView>{{kChunkValueFloat, "F", 0x3FC00000u, ""},
                                      {kChunkValueInt16, "S", 300u, ""},
                                      {kChunkValueInt32, "L", 0xFFFFFFFEu, ""},
                                      {kChunkValueDouble, "D", 0x3FF0000000000000u, ""},
                                      {kChunkValueString, "R", 0u, "hi"}}));
    EXPECT_EQ(ChunkRecord::Written(parser).Data(), data);
}

TEST(ChunkDataReader, UnknownTypeLetterGivesAnUntypedEntryAndReadingGoesOn) {
    ChunkRecord record(kMarker + "x_abc\0\0\0"s + "l_L\0\0\0\0\x05"s);
    AAX_CChunkDataParser parser;
    parser.LoadChunk(record.get());
    EXPECT_EQ(View(parser), (std::vector<EntryView>{{kChunkValueNone, "abc", 0u, ""},
                                                    {kChunkValueInt32, "L", 5u, ""}}));
    // Written back under a letter no type uses, it reads back as the same entry.
    ChunkRecord rewritten = ChunkRecord::Written(parser);
    EXPECT_EQ(rewritten.Data(), kMarker + "?_abc\0\0\0"s + "l_L\0\0\0\0\x05"s);
    AAX_CChunkDataParser reread;
    reread.LoadChunk(rewritten.get());
    EXPECT_EQ(View(reread), View(parser));
}

TEST(ChunkDataReader, WithoutSizeOrMarkerLeavesNoEntriesButTakesTheVersion) {
    for (const std::string& data : {""s, "\x01\x01\x01"s, "\x01\x01\x01\x02l_L\0\0\0\0\x05"s}) {
        ChunkRecord record(data, 9);
        AAX_CChunkDataParser parser;
        parser.AddInt32("Stale", 1);
        parser.LoadChunk(record.get());
        EXPECT_TRUE(parser.Entries().empty()) << data.size();
        EXPECT_EQ(parser.GetChunkVersion(), 9);
    }
}

TEST(ChunkDataReader, MalformedBytesStayInsideTheDataArea) {
    const std::string a = "l_A\0\0\0\0\x01"s;
    const std::string longName(300, 'n');
    struct Case {
        const char* what;
        std::string data;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"key without NUL ends reading", kMarker + a + "d_Gain"s, {"A"}},
        {"key cut after NUL ends reading", kMarker + a + "d_Gain\0"s, {"A"}},
        {"value cut short is dropped", kMarker + a + "d_G\0\0\0\0\0"s, {"A"}},
        {"string without NUL is dropped", kMarker + a + "r_S\0abc"s, {"A"}},
        {"empty and one-letter keys are stepped over", kMarker + "\0\0\0\0d\0\0\0"s + a, {"A"}},
        {"16-bit value needs no padding at the end", kMarker + "s_S\0\x01\x2C"s, {"S"}},
        {"a key of any length is read whole",
         kMarker + "l_"s + longName + "\0\0\0\0\0\x02"s + a,
         {longName, "A"}},
    };
    for (const Case& c : cases) {
        ChunkRecord record(c.data);
        AAX_CChunkDataParser parser;
        parser.LoadChunk(record.get());
        EXPECT_EQ(Names(parser), c.names) << c.what;
    }
}

TEST(ChunkDataFind, FindsEveryNameInAnyOrderWrappingRound) {
    AAX_CChunkDataParser parser;
    parser.AddDouble("A", 1.0);
    parser.AddInt32("B", 2);
    parser.AddString("C", "three");
    parser.AddDouble(nullptr, 4.0);
    double d = 0.0;
    int32_t i = 0;
    AAX_CString s;
    EXPECT_TRUE(parser.FindDouble("A", &d) && d == 1.0);
    EXPECT_TRUE(parser.FindInt32("B", &i) && i == 2);
    EXPECT_TRUE(parser.FindString("C", &s) && s.StdString() == "three");
    EXPECT_TRUE(parser.FindString("C", &s));
    EXPECT_TRUE(parser.FindDouble("A", &d));
    EXPECT_TRUE(parser.FindDouble("", &d) && d == 4.0);
    EXPECT_TRUE(parser.FindDouble(nullptr, &d));

    i = 99;
    EXPECT_FALSE(parser.FindInt32("a", &i));
    EXPECT_FALSE(parser.FindInt32("Missing", &i));
    EXPECT_EQ(i, 99);
}

TEST(ChunkDataFind, RepeatedNamesAndWrongTypesMoveTheSearchOn) {
    AAX_CChunkDataParser parser;
    parser.AddInt32("Mode", 1);
    parser.AddDouble("Mode", 2.0);
    parser.AddInt32("Mode", 3);
    int32_t i = 0;
    EXPECT_TRUE(parser.FindInt32("Mode", &i));
    EXPECT_EQ(i, 1);
    EXPECT_FALSE(parser.FindInt32("Mode", &i));  // the double
    EXPECT_EQ(i, 1);
    EXPECT_TRUE(parser.FindInt32("Mode", &i));
    EXPECT_EQ(i, 3);
    EXPECT_TRUE(parser.FindInt32("Mode", &i));
    EXPECT_EQ(i, 1);
}

TEST(ChunkDataParser, ClearRemovesEntriesAndForgetsTheVersion) {
    AAX_CChunkDataParser written;
    written.AddInt32("Mode", 1);
    ChunkRecord record = ChunkRecord::Written(written);
    record.get()->fVersion = 5;
    AAX_CChunkDataParser parser;
    EXPECT_EQ(parser.GetChunkVersion(), -1);
    parser.LoadChunk(record.get());
    EXPECT_EQ(parser.GetChunkVersion(), 5);
    parser.Clear();
    EXPECT_EQ(parser.GetChunkVersion(), -1);
    int32_t i = 0;
    EXPECT_FALSE(parser.FindInt32("Mode", &i));
    EXPECT_EQ(parser.GetChunkDataSize(), 4);
}
