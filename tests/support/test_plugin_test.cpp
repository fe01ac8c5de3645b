// The scriptable test plug-in itself: the answers the other suites rely on, asked through its
// effect record the way a host asks.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tests/support/scripted_plugin_fixture.h"

using testplugin::Call;
using testplugin::CallKind;

namespace {

testplugin::Script TwoParameters() {
    testplugin::Script script = testplugin::DefaultScript();
    script.uniqueID = 0x12345678;
    script.numParams = 2;
    script.parameters[0] = {1, 0.25f, "Drive", "drive", 1, {}};
    script.parameters[0].properties.flags = kVstParameterIsSwitch;
    script.parameters[1] = {0, 0.5f, "Tone", "tone", 0, {}};
    return script;
}

}  // namespace

TEST_F(ScriptedPlugin, AnswersParameterQueriesFromItsScript) {
    Load(TwoParameters());
    EXPECT_EQ(Effect()->numParams, 2);
    EXPECT_EQ(Effect()->uniqueID, 0x12345678);
    EXPECT_EQ(Dispatch(effCanBeAutomated, 0, 0, nullptr), 1);
    EXPECT_EQ(Dispatch(effCanBeAutomated, 1, 0, nullptr), 0);

    char text[testplugin::kTextSize] = {};
    Dispatch(effGetParamName, 1, 0, text);
    EXPECT_STREQ(text, "Tone");
    Dispatch(effGetParamIdentifier, 0, 0, text);
    EXPECT_STREQ(text, "drive");
    EXPECT_EQ(Dispatch(effGetParamIndexFromIdentifier, 0, 0, const_cast<char*>("tone")), 1);
    EXPECT_EQ(Dispatch(effGetParamIndexFromIdentifier, 0, 0, const_cast<char*>("none")), -1);

    VstParameterProperties properties{};
    EXPECT_EQ(Dispatch(effGetParameterProperties, 0, 0, &properties), 1);
    EXPECT_EQ(properties.flags, kVstParameterIsSwitch);
    EXPECT_EQ(Dispatch(effGetParameterProperties, 1, 0, &properties), 0);
}

TEST_F(ScriptedPlugin, KeepsTheParameterValuesItIsGiven) {
    Load(TwoParameters());
    EXPECT_EQ(Effect()->getParameter(Effect(), 1), 0.5f);
    Effect()->setParameter(Effect(), 1, 0.75f);
    EXPECT_EQ(Effect()->getParameter(Effect(), 1), 0.75f);

    const std::vector<Call> calls = Control().CallsTo(Effect());
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[1].kind, CallKind::kSetParameter);
    EXPECT_EQ(calls[1].index, 1);
    EXPECT_EQ(calls[1].opt, 0.75f);
    EXPECT_EQ(calls[2].kind, CallKind::kGetParameter);
}

TEST_F(ScriptedPlugin, HandsOutItsChunkAndKeepsTheOneItIsGiven) {
    testplugin::Script script = testplugin::DefaultScript();
    script.chunkSize = 3;
    std::memcpy(script.chunk, "abc", 3);
    Load(script);

    void* data = nullptr;
    ASSERT_EQ(Dispatch(effGetChunk, 0, 0, &data), 3);
    EXPECT_EQ(std::memcmp(data, "abc", 3), 0);
    char restored[] = "wxyz";
    Dispatch(effSetChunk, 0, 4, restored);
    ASSERT_EQ(Dispatch(effGetChunk, 0, 0, &data), 4);
    EXPECT_EQ(std::memcmp(data, "wxyz", 4), 0);
}

TEST_F(ScriptedPlugin, RecordsTheStringsItIsHanded) {
    Load(testplugin::DefaultScript());
    Dispatch(effSetBypassParamIdentifier, 0, 0, const_cast<char*>("MasterBypassID"));
    const std::vector<Call> calls = Control().CallsTo(Effect());
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].opcode, effSetBypassParamIdentifier);
    EXPECT_STREQ(calls[0].text, "MasterBypassID");
}
