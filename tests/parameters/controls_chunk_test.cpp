// The base's controls chunk ('elck', "Complete Controls State") through the interface, with an
// effect that keeps the base's chunk operations.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/parameters/chunk_record.h"
#include "tests/parameters/controls_fixture.h"

namespace {

class ControlsChunk : public ControlsEffectTest {
  protected:
    void SetUp() override {
        ControlsEffectTest::SetUp();
        Initialize();
        ASSERT_EQ((*effect_)->UpdateParameterNormalizedValue("gain", 0.25, 0), AAX_SUCCESS);
        ASSERT_EQ((*effect_)->UpdateParameterNormalizedValue("mute", 1.0, 0), AAX_SUCCESS);
    }

    // The chunk as a host saves it: size first, then a record of exactly that size.
    ChunkRecord Save() {
        uint32_t size = 0;
        EXPECT_EQ((*effect_)->GetChunkSize(kControlsChunkID, &size), AAX_SUCCESS);
        ChunkRecord record(std::string(size, '\0'));
        record.get()->fChunkID = kControlsChunkID;
        EXPECT_EQ((*effect_)->GetChunk(kControlsChunkID, record.get()), AAX_SUCCESS);
        return record;
    }
    bool Compare(ChunkRecord& record) {
        bool equal = false;
        EXPECT_EQ((*effect_)->CompareActiveChunk(record.get(), &equal), AAX_SUCCESS);
        return equal;
    }
};

TEST_F(ControlsChunk, HoldsEveryParameterButTheBypassUnderItsNameAndVersion) {
    uint32_t size = 0;
    ASSERT_EQ((*effect_)->GetChunkSize(kControlsChunkID, &size), AAX_SUCCESS);
    ChunkRecord record(std::string(size, '\0'));
    ASSERT_EQ((*effect_)->GetChunk(kControlsChunkID, record.get()), AAX_SUCCESS);
    EXPECT_EQ(record.get()->fSize, static_cast<int32_t>(size));
    EXPECT_EQ(record.get()->fVersion, -1);
    char expectedName[32] = {};
    std::strcpy(expectedName, "Complete Controls State");
    EXPECT_EQ(std::memcmp(record.get()->fName, expectedName, sizeof expectedName), 0);

    AAX_CChunkDataParser parser;
    parser.LoadChunk(record.get());
    const std::vector<EntryView> expected = {
        {kChunkValueDouble, "gain", 0x4049000000000000u, ""},  // 50.0
        {kChunkValueInt32, "mute", 1u, ""},
    };
    EXPECT_EQ(View(parser), expected);
}

TEST_F(ControlsChunk, OtherIdentifiersAreRefused) {
    uint32_t size = 7;
    EXPECT_EQ((*effect_)->GetChunkSize(FourCharCode("abcd"), &size), AAX_ERROR_INVALID_CHUNK_ID);
    EXPECT_EQ(size, 0u);
    ChunkRecord record(std::string(64, '\0'));
    EXPECT_EQ((*effect_)->GetChunk(FourCharCode("abcd"), record.get()), AAX_ERROR_INVALID_CHUNK_ID);
    EXPECT_EQ((*effect_)->SetChunk(FourCharCode("abcd"), record.get()), AAX_ERROR_INVALID_CHUNK_ID);
}

TEST_F(ControlsChunk, GetChunkNeedsTheSizeAskedFirstAndUnchanged) {
    ChunkRecord record(std::string(256, '\0'));
    EXPECT_EQ((*effect_)->GetChunk(kControlsChunkID, record.get()), AAX_ERROR_INCORRECT_CHUNK_SIZE);
    uint32_t size = 0;
    ASSERT_EQ((*effect_)->GetChunkSize(kControlsChunkID, &size), AAX_SUCCESS);
    // One more parameter makes the chunk larger than the size the host was told.
    ASSERT_EQ((*effect_)->Uninitialize(), AAX_SUCCESS);
    object_->withPreview = true;
    ASSERT_EQ((*effect_)->Initialize(host_.Unknown()), AAX_SUCCESS);
    EXPECT_EQ((*effect_)->GetChunk(kControlsChunkID, record.get()), AAX_ERROR_INCORRECT_CHUNK_SIZE);
    ASSERT_EQ((*effect_)->GetChunkSize(kControlsChunkID, &size), AAX_SUCCESS);
    EXPECT_EQ((*effect_)->GetChunk(kControlsChunkID, record.get()), AAX_SUCCESS);
    EXPECT_EQ(record.get()->fSize, static_cast<int32_t>(size));
}

TEST_F(ControlsChunk, ComparesEqualUntilAParameterMoves) {
    ChunkRecord record = Save();
    EXPECT_TRUE(Compare(record));
    ASSERT_EQ((*effect_)->UpdateParameterNormalizedValue("gain", 0.75, 0), AAX_SUCCESS);
    EXPECT_FALSE(Compare(record));
    ASSERT_EQ((*effect_)->UpdateParameterNormalizedValue("gain", 0.25, 0), AAX_SUCCESS);
    ASSERT_EQ((*effect_)->UpdateParameterNormalizedValue("mute", 0.0, 0), AAX_SUCCESS);
    EXPECT_FALSE(Compare(record));
    // The bypass is not in the chunk: moving it changes nothing.
    ASSERT_EQ((*effect_)->UpdateParameterNormalizedValue("mute", 1.0, 0), AAX_SUCCESS);
    ASSERT_EQ((*effect_)->UpdateParameterNormalizedValue(kMasterBypassID, 1.0, 0), AAX_SUCCESS);
    EXPECT_TRUE(Compare(record));
}

TEST_F(ControlsChunk, ForeignChunksCompareEqual) {
    ChunkRecord record(std::string(4, '\1'));
    record.get()->fChunkID = FourCharCode("VQ31");
    EXPECT_TRUE(Compare(record));
}

TEST_F(ControlsChunk, RestoreRequestsEachSavedValueFromTheHost) {
    ChunkRecord record = Save();
    ASSERT_EQ((*effect_)->UpdateParameterNormalizedValue("gain", 1.0, 0), AAX_SUCCESS);
    ASSERT_EQ((*effect_)->UpdateParameterNormalizedValue("mute", 0.0, 0), AAX_SUCCESS);
    const size_t before = host_.automation.Log().Calls().size();
    ASSERT_EQ((*effect_)->SetChunk(kControlsChunkID, record.get()), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ(effect_->Normalized("gain"), 0.25);
    EXPECT_DOUBLE_EQ(effect_->Normalized("mute"), 1.0);
    // Each restored value went through the host: touch, set, (the host's update), release.
    std::vector<int32_t> slots;
    const std::vector<aaxhost::Call> calls = host_.automation.Log().Calls();
    for (size_t i = before; i < calls.size(); ++i) slots.push_back(calls[i].slot);
    EXPECT_EQ(slots, (std::vector<int32_t>{7, 5, 6, 8, 7, 5, 6, 8}));
}

TEST_F(ControlsChunk, RestoreOfAChunkMissingAnEntryKeepsThatParameter) {
    AAX_CChunkDataParser parser;
    parser.Clear();
    parser.AddInt32("mute", 0);
    parser.AddDouble("unknown", 3.0);
    ChunkRecord record = ChunkRecord::Written(parser);
    ASSERT_EQ((*effect_)->SetChunk(kControlsChunkID, record.get()), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ(effect_->Normalized("gain"), 0.25);
    EXPECT_DOUBLE_EQ(effect_->Normalized("mute"), 0.0);
    // An entry of the wrong type is no entry.
    AAX_CChunkDataParser wrongType;
    wrongType.AddInt32("gain", 7);
    ChunkRecord mistyped = ChunkRecord::Written(wrongType);
    ASSERT_EQ((*effect_)->SetChunk(kControlsChunkID, mistyped.get()), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ(effect_->Normalized("gain"), 0.25);
}

TEST_F(ControlsChunk, ValuesBeyondTheFloatRangeAreClampedNotUndefined) {
    AAX_CChunkDataParser parser;
    parser.AddDouble("gain", 1e300);
    ChunkRecord record = ChunkRecord::Written(parser);
    ASSERT_EQ((*effect_)->SetChunk(kControlsChunkID, record.get()), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ(effect_->Normalized("gain"), 1.0);
}

}  // namespace
