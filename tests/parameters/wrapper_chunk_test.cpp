// The wrapper's saved state through the effect-parameters interface: the plug-in's bank chunk
// under its unique identifier, saved and restored byte for byte, and the answers that protect the
// host's record and the plug-in from bad sizes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "tests/parameters/chunk_record.h"
#include "tests/parameters/wrapper_fixture.h"

namespace {

using testplugin::Call;

constexpr TypeCode kUniqueID = 0x56513331;  // the test plug-in's 'VQ31'

testplugin::Script ChunkScript(const std::string& bytes) {
    testplugin::Script script = MirrorScript(1);
    script.chunkSize = static_cast<int32_t>(bytes.size());
    std::memcpy(script.chunk, bytes.data(), bytes.size());
    return script;
}

std::vector<int32_t> Opcodes(const std::vector<Call>& calls) {
    std::vector<int32_t> opcodes;
    for (const Call& call : calls) opcodes.push_back(call.opcode);
    return opcodes;
}

// The chunk requests among the calls, without the reading of parameters that follows a restore.
std::vector<Call> ChunkCalls(const std::vector<Call>& calls) {
    std::vector<Call> chunkCalls;
    for (const Call& call : calls) {
        if (call.kind == testplugin::CallKind::kDispatcher &&
            (call.opcode == effGetChunk || call.opcode == effSetChunk)) {
            chunkCalls.push_back(call);
        }
    }
    return chunkCalls;
}

class WrapperChunk : public WrapperTest {
  protected:
    // The chunk as a host saves it: the size, then a record with room for exactly that size.
    ChunkRecord Save() {
        uint32_t size = 0;
        EXPECT_EQ((*effect_)->GetChunkSize(kUniqueID, &size), AAX_SUCCESS);
        ChunkRecord record(std::string(size, '\0'));
        EXPECT_EQ((*effect_)->GetChunk(kUniqueID, record.get()), AAX_SUCCESS);
        return record;
    }
};

TEST_F(WrapperChunk, TheOneChunkIsThePlugInsUniqueID) {
    CreateAndInitialize(ChunkScript("state"));
    int32_t count = 0;
    TypeCode id = 7;
    EXPECT_EQ((*effect_)->GetNumberOfChunks(&count), AAX_SUCCESS);
    EXPECT_EQ(count, 1);
    EXPECT_EQ((*effect_)->GetChunkIDFromIndex(0, &id), AAX_SUCCESS);
    EXPECT_EQ(id, kUniqueID);
    EXPECT_EQ((*effect_)->GetChunkIDFromIndex(1, &id), AAX_ERROR_INVALID_CHUNK_INDEX);
    EXPECT_EQ(id, 0u);
}

TEST_F(WrapperChunk, ForeignIdentifiersAreRefusedAndReachNothing) {
    CreateAndInitialize(ChunkScript("state"));
    uint32_t size = 9;
    EXPECT_EQ((*effect_)->GetChunkSize(kControlsChunkID, &size), AAX_ERROR_INVALID_CHUNK_ID);
    EXPECT_EQ(size, 0u);
    ChunkRecord record("other");
    EXPECT_EQ((*effect_)->GetChunk(kControlsChunkID, record.get()), AAX_ERROR_INVALID_CHUNK_ID);
    EXPECT_EQ((*effect_)->SetChunk(kControlsChunkID, record.get()), AAX_ERROR_INVALID_CHUNK_ID);
    EXPECT_EQ((*effect_)->SetChunk(kUniqueID + 1, record.get()), AAX_ERROR_INVALID_CHUNK_ID);
    EXPECT_EQ(record.Data(), "other");
    EXPECT_TRUE(PluginCalls().empty());
    // The base's comparison stays: a chunk that is not 'elck' compares equal.
    bool equal = false;
    record.get()->fChunkID = kUniqueID;
    EXPECT_EQ((*effect_)->CompareActiveChunk(record.get(), &equal), AAX_SUCCESS);
    EXPECT_TRUE(equal);
}

TEST_F(WrapperChunk, SaveCopiesThePlugInsBankChunk) {
    const std::string bytes("\x01\x02\0\xFFsaved state", 15);
    CreateAndInitialize(ChunkScript(bytes));
    ChunkRecord record = Save();
    EXPECT_EQ(record.get()->fSize, 15);
    EXPECT_EQ(record.Data(), bytes);
    const std::vector<Call> calls = PluginCalls();
    EXPECT_EQ(Opcodes(calls), (std::vector<int32_t>{effGetChunk, effGetChunk}));
    for (const Call& call : calls) EXPECT_EQ(call.index, 0);  // the bank, not a program
}

TEST_F(WrapperChunk, RestoreGivesThePlugInBackExactlyItsBytes) {
    const std::string bytes("first instance\0\x7F", 16);
    CreateAndInitialize(ChunkScript(bytes));
    ChunkRecord saved = Save();
    (*effect_)->Uninitialize();
    effect_->Release();

    CreateAndInitialize(ChunkScript("another state of another size"));
    ASSERT_EQ((*effect_)->SetChunk(kUniqueID, saved.get()), AAX_SUCCESS);
    const std::vector<Call> calls = ChunkCalls(PluginCalls());
    ASSERT_EQ(Opcodes(calls), (std::vector<int32_t>{effGetChunk, effSetChunk}));
    EXPECT_EQ(calls[1].index, 0);
    EXPECT_EQ(calls[1].value, 16);
    EXPECT_EQ(Save().Data(), bytes);
}

TEST_F(WrapperChunk, OnlyTheFirstRestoreAsksForTheChunkFirst) {
    CreateAndInitialize(ChunkScript("abc"));
    ChunkRecord record("xyz");
    ASSERT_EQ((*effect_)->SetChunk(kUniqueID, record.get()), AAX_SUCCESS);
    ASSERT_EQ((*effect_)->SetChunk(kUniqueID, record.get()), AAX_SUCCESS);
    EXPECT_EQ(Opcodes(ChunkCalls(PluginCalls())),
              (std::vector<int32_t>{effGetChunk, effSetChunk, effSetChunk}));
}

TEST_F(WrapperChunk, AnEmptyChunkIsSavedWithoutACopy) {
    CreateAndInitialize(ChunkScript(""));
    ChunkRecord record("", 0, 8);
    record.get()->fSize = 99;
    uint32_t size = 7;
    EXPECT_EQ((*effect_)->GetChunkSize(kUniqueID, &size), AAX_SUCCESS);
    EXPECT_EQ(size, 0u);
    EXPECT_EQ((*effect_)->GetChunk(kUniqueID, record.get()), AAX_SUCCESS);
    EXPECT_EQ(record.get()->fSize, 0);
    EXPECT_EQ(record.AllAfterHeader(), std::string(8, '\xAA'));
    // A restore while the plug-in reports 0 bytes asks again next time.
    ASSERT_EQ((*effect_)->SetChunk(kUniqueID, record.get()), AAX_SUCCESS);
    ASSERT_EQ((*effect_)->SetChunk(kUniqueID, record.get()), AAX_SUCCESS);
    const std::vector<int32_t> opcodes = Opcodes(PluginCalls());
    EXPECT_EQ(std::count(opcodes.begin(), opcodes.end(), effGetChunk), 4);
}

// The host's record has room for the size GetChunkSize reported: a chunk that shrank since
// fits and is saved at its real size; one that grew is refused and the record left as it was.
TEST_F(WrapperChunk, AChunkThatChangedSinceItsSizeIsSavedOnlyIfItFits) {
    struct Case {
        int32_t growth;
        Result result;
        int32_t savedSize;
        std::string recordAfter;
    };
    const std::string untouched(16, '\xAA');
    for (const Case& c : {Case{0, AAX_SUCCESS, 5, "grows" + untouched},
                          Case{-1, AAX_SUCCESS, 4, "grow5" + untouched},
                          Case{-3, AAX_SUCCESS, 2, "gr345" + untouched},
                          Case{-5, AAX_SUCCESS, 0, "12345" + untouched},
                          Case{1, AAX_ERROR_INCORRECT_CHUNK_SIZE, 5, "12345" + untouched},
                          Case{8, AAX_ERROR_INCORRECT_CHUNK_SIZE, 5, "12345" + untouched}}) {
        SCOPED_TRACE(c.growth);
        testplugin::Script script = ChunkScript("grows");
        script.chunkGrowth = c.growth;
        CreateAndInitialize(script);
        uint32_t size = 0;
        ASSERT_EQ((*effect_)->GetChunkSize(kUniqueID, &size), AAX_SUCCESS);
        EXPECT_EQ(size, 5u);
        ChunkRecord record("12345", 0, 16);
        EXPECT_EQ((*effect_)->GetChunk(kUniqueID, record.get()), c.result);
        EXPECT_EQ(record.get()->fSize, c.savedSize);
        EXPECT_EQ(record.AllAfterHeader(), c.recordAfter);
        (*effect_)->Uninitialize();
        effect_->Release();
        effect_.reset();
    }
}

TEST_F(WrapperChunk, AChunkSizeWithoutDataFailsTheSaveWithoutReading) {
    testplugin::Script script = ChunkScript("missing");
    script.chunkDataNull = 1;
    CreateAndInitialize(script);
    uint32_t size = 9;
    EXPECT_EQ((*effect_)->GetChunkSize(kUniqueID, &size), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(size, 0u);
    ChunkRecord record("", 0, 8);
    record.get()->fSize = 3;
    EXPECT_EQ((*effect_)->GetChunk(kUniqueID, record.get()), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(record.get()->fSize, 0);
    EXPECT_EQ(record.AllAfterHeader(), std::string(8, '\xAA'));
}

TEST_F(WrapperChunk, ANegativeSizeNeverReachesThePlugIn) {
    CreateAndInitialize(ChunkScript("abc"));
    ChunkRecord record("xyz");
    record.get()->fSize = -1;
    EXPECT_EQ((*effect_)->SetChunk(kUniqueID, record.get()), AAX_ERROR_INCORRECT_CHUNK_SIZE);
    record.get()->fSize = INT32_MIN;
    EXPECT_EQ((*effect_)->SetChunk(kUniqueID, record.get()), AAX_ERROR_INCORRECT_CHUNK_SIZE);
    EXPECT_TRUE(PluginCalls().empty());
}

TEST_F(WrapperChunk, WithoutThePlugInEveryChunkOperationIsRefused) {
    testsupport::ClearInstallDirectory();
    object_ = new AAXWrapper_Parameters;
    effect_ = std::make_unique<HostedEffect>(
        static_cast<IACFUnknown*>(static_cast<AAX_IACFEffectParameters_V2*>(object_)));
    Initialize();
    TypeCode id = 7;
    EXPECT_EQ((*effect_)->GetChunkIDFromIndex(0, &id), AAX_SUCCESS);
    EXPECT_EQ(id, 0u);
    uint32_t size = 9;
    EXPECT_EQ((*effect_)->GetChunkSize(0, &size), AAX_ERROR_INVALID_CHUNK_ID);
    EXPECT_EQ(size, 9u);
    ChunkRecord record("abc");
    EXPECT_EQ((*effect_)->GetChunk(0, record.get()), AAX_ERROR_INVALID_CHUNK_ID);
    EXPECT_EQ((*effect_)->SetChunk(0, record.get()), AAX_ERROR_INVALID_CHUNK_ID);
    EXPECT_EQ(record.Data(), "abc");
}

// The plug-in's values from a chunk of native floats, one per parameter of MirrorScript.
ChunkRecord ValuesChunk(const std::vector<float>& values) {
    return ChunkRecord(
        std::string(reinterpret_cast<const char*>(values.data()), values.size() * sizeof(float)));
}

class WrapperRestore : public WrapperChunk,
                       public testing::WithParamInterface<aaxhost::SetRequestAnswer> {};

// A chunk that changes the plug-in's values brings each mirror that no longer matches to the
// plug-in's value the way the plug-in's own edits do, as a set request that the host answers.
// The answers do not go back to the plug-in, which holds those values already.
TEST_P(WrapperRestore, BringsTheMirrorsToThePlugInsValuesWithoutEcho) {
    testplugin::Script script = MirrorScript();
    script.chunkHoldsValues = 1;
    Create(script);
    Initialize(GetParam());
    Control().ResetLog();
    const size_t before = AutomationCalls().size();

    // drive moves; hidden has no mirror; mode stays on (its mirror reads 1.0 for any value above
    // 0); steps moves; plain stays.
    ChunkRecord record = ValuesChunk({0.9f, 0.1f, 0.6f, 0.75f, 0.25f});
    ASSERT_EQ((*effect_)->SetChunk(kUniqueID, record.get()), AAX_SUCCESS);
    if (GetParam() == aaxhost::SetRequestAnswer::kQueued) {
        EXPECT_EQ(host_.automation.Pump(), 2u);
    }

    const std::vector<aaxhost::Call> calls = AutomationCalls();
    std::vector<aaxhost::Call> requests(calls.begin() + static_cast<std::ptrdiff_t>(before),
                                        calls.end());
    std::erase_if(requests, [](const aaxhost::Call& call) { return call.slot == 6; });
    const std::vector<aaxhost::Call> expected = {
        {7, {aaxhost::Text("drive")}},
        {5, {aaxhost::Text("drive"), aaxhost::Arg(static_cast<double>(0.9f))}},
        {8, {aaxhost::Text("drive")}},
        {7, {aaxhost::Text("steps")}},
        {5, {aaxhost::Text("steps"), aaxhost::Arg(0.75)}},
        {8, {aaxhost::Text("steps")}},
    };
    EXPECT_EQ(requests, expected);
    EXPECT_DOUBLE_EQ(effect_->Normalized("drive"), 0.9f);
    EXPECT_DOUBLE_EQ(effect_->Normalized("mode"), 1.0);
    EXPECT_DOUBLE_EQ(effect_->Normalized("steps"), 0.75);
    EXPECT_DOUBLE_EQ(effect_->Normalized("plain"), 0.25);
    for (const Call& call : PluginCalls()) {
        EXPECT_NE(call.kind, testplugin::CallKind::kSetParameter) << "index " << call.index;
    }

    // The host's own changes of those parameters reach the plug-in as before.
    Control().ResetLog();
    ASSERT_EQ((*effect_)->UpdateParameterNormalizedValue("steps", 0.25, 0), AAX_SUCCESS);
    ASSERT_EQ((*effect_)->UpdateParameterNormalizedValue("drive", 0.9f, 0), AAX_SUCCESS);
    std::vector<std::pair<int32_t, float>> set;
    for (const Call& call : PluginCalls()) {
        if (call.kind == testplugin::CallKind::kSetParameter) {
            set.emplace_back(call.index, call.opt);
        }
    }
    EXPECT_EQ(set, (std::vector<std::pair<int32_t, float>>{{3, 0.25f}, {0, 0.9f}}));
}

INSTANTIATE_TEST_SUITE_P(HostAnswers, WrapperRestore,
                         testing::Values(aaxhost::SetRequestAnswer::kQueued,
                                         aaxhost::SetRequestAnswer::kAtOnce));

}  // namespace

// A plug-in without chunks is never asked for one: its state is its parameter values, which a
// restore gives back to it and to their mirrors, skipping values that are not numbers.
TEST_F(WrapperChunk, PlugInWithoutChunksKeepsItsParameterValues) {
    testplugin::Script script = MirrorScript();
    script.withoutChunks = 1;
    CreateAndInitialize(script);
    ChunkRecord saved = Save();
    const std::vector<float> values = {0.4f, 0.9f, 1.0f, 0.5f, 0.25f};
    ASSERT_EQ(saved.Data().size(), values.size() * sizeof(float));
    EXPECT_EQ(std::memcmp(saved.Data().data(), values.data(), saved.Data().size()), 0);

    std::vector<float> restored = {0.1f, 0.2f, 0.0f, std::numeric_limits<float>::quiet_NaN(),
                                   0.75f};
    ChunkRecord record(std::string(reinterpret_cast<const char*>(restored.data()),
                                   restored.size() * sizeof(float) - 2));
    Control().ResetLog();
    ASSERT_EQ((*effect_)->SetChunk(kUniqueID, record.get()), AAX_SUCCESS);
    std::vector<std::pair<int32_t, float>> set;
    for (const Call& call : PluginCalls()) {
        EXPECT_NE(call.opcode, effSetChunk);
        EXPECT_NE(call.opcode, effGetChunk);
        if (call.kind == testplugin::CallKind::kSetParameter)
            set.emplace_back(call.index, call.opt);
    }
    EXPECT_EQ(set, (std::vector<std::pair<int32_t, float>>{{0, 0.1f}, {1, 0.2f}, {2, 0.0f}}))
        << "a cut last value and a value that is not a number are left alone";
    EXPECT_DOUBLE_EQ(effect_->Normalized("drive"), 0.1f);
    EXPECT_DOUBLE_EQ(effect_->Normalized("mode"), 0.0);
    EXPECT_DOUBLE_EQ(effect_->Normalized("plain"), 0.25);
}
