// A state restored through the module that ships, with the demo plug-in's own chunk: the
// parameters read back the restored values once the host has answered the module's requests,
// and the plug-in keeps exactly the state it was given.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/integration/session_fixture.h"

namespace {

class DemoStateRestore : public SessionTest {
  protected:
    HostedPlugin Hosted() const override { return HostedPlugin::kDemo; }

    static std::vector<double> Values(aaxhost::EffectInstance& instance,
                                      const std::vector<std::string>& identifiers) {
        std::vector<double> values;
        for (const std::string& id : identifiers) {
            double value = -1.0;
            EXPECT_EQ(instance.Effect().GetParameterNormalizedValue(id.c_str(), &value),
                      AAX_SUCCESS);
            values.push_back(value);
        }
        return values;
    }
};

TEST_F(DemoStateRestore, ParametersReadBackTheRestoredValues) {
    OpenSession();
    auto instance = NewInstance();
    ASSERT_TRUE(instance->Ready());
    const std::vector<std::string> identifiers = Automatable(*instance);
    ASSERT_FALSE(identifiers.empty());
    aaxhost::SavedState saved;
    ASSERT_EQ(instance->SaveState(saved), AAX_SUCCESS);
    const std::vector<double> savedValues = Values(*instance, identifiers);

    // Every parameter moved to the other end of its range by the host.
    for (size_t i = 0; i < identifiers.size(); ++i) {
        const double other = savedValues[i] < 0.5 ? 1.0 : 0.0;
        ASSERT_EQ(instance->Effect().SetParameterNormalizedValue(identifiers[i].c_str(), other),
                  AAX_SUCCESS);
    }
    instance->Service();
    ASSERT_NE(Values(*instance, identifiers), savedValues);

    ASSERT_EQ(instance->LoadState(saved), AAX_SUCCESS);
    instance->Service();
    EXPECT_EQ(Values(*instance, identifiers), savedValues);
    aaxhost::SavedState again;
    ASSERT_EQ(instance->SaveState(again), AAX_SUCCESS);
    EXPECT_EQ(again.data, saved.data) << "the host's answers left the restored state alone";
}

struct GrowingChunkRow {
    int32_t size;    // the chunk's first size
    int32_t growth;  // bytes more in each effGetChunk answer, up to the script's limit
    Result result;
    int32_t savedSize;
    int32_t chunkCalls;  // effGetChunk calls the save made
};

// The host saves a chunk that grew between its size and its bytes by asking again, up to a limit.
TEST_F(SessionTest, SavingAGrowingChunkAsksAgainUpToALimit) {
    const GrowingChunkRow rows[] = {
        {16, 0, AAX_SUCCESS, 16, 2},
        {200, 40, AAX_SUCCESS, testplugin::kMaxChunkSize, 4},
        {8, 1, AAX_ERROR_INCORRECT_CHUNK_SIZE, 0, 64},
    };
    for (const GrowingChunkRow& row : rows) {
        SCOPED_TRACE(testing::Message() << row.size << " growing by " << row.growth);
        testplugin::Script script = QuietScript();
        script.recording = 1;
        script.chunkSize = row.size;
        script.chunkGrowth = row.growth;
        Control().SetScript(script);
        OpenSession();
        auto instance = NewInstance();
        ASSERT_TRUE(instance->Ready());
        const size_t before = Control().Calls().size();
        aaxhost::SavedState saved;
        EXPECT_EQ(instance->SaveState(saved), row.result);
        EXPECT_EQ(saved.data.size(), static_cast<size_t>(row.savedSize));
        const std::vector<testplugin::Call> calls = Control().Calls();
        EXPECT_EQ(std::count_if(calls.begin() + static_cast<std::ptrdiff_t>(before), calls.end(),
                                [](const testplugin::Call& call) {
                                    return call.kind == testplugin::CallKind::kDispatcher &&
                                           call.opcode == effGetChunk;
                                }),
                  row.chunkCalls);
        instance.reset();
        session->Shutdown();
        session.reset();
    }
}

}  // namespace
