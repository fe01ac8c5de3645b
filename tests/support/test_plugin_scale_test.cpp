// The test plug-in at sizes its script cannot hold: generated parameters past the scripted ones,
// and chunks larger than the script's bytes, which the large-instance suites and benchmarks use.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tests/support/scripted_plugin_fixture.h"

namespace {

class LargePlugin : public ScriptedPlugin {};

TEST_F(LargePlugin, ParametersPastTheScriptedOnesAreGenerated) {
    testplugin::Script script = testplugin::DefaultScript();
    script.numParams = 10000;
    Load(script);
    EXPECT_EQ(Effect()->numParams, 10000);
    char text[testplugin::kTextSize] = {};
    const struct {
        int32_t index;
        intptr_t automatable;
        const char* name;  // null: no parameter
        const char* identifier;
    } cases[] = {
        {testplugin::kMaxParameters, 1, "Param16", "param16"},
        {9999, 1, "Param9999", "param9999"},
        {10000, 0, nullptr, nullptr},
        {testplugin::kMaxParameters - 1, 0, "", ""},  // scripted, left empty
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(Dispatch(effCanBeAutomated, c.index, 0, nullptr), c.automatable);
        std::memset(text, 0, sizeof text);
        EXPECT_EQ(Dispatch(effGetParamName, c.index, 0, text), c.name != nullptr ? 1 : 0);
        if (c.name != nullptr) {
            EXPECT_STREQ(text, c.name);
        }
        std::memset(text, 0, sizeof text);
        EXPECT_EQ(Dispatch(effGetParamIdentifier, c.index, sizeof text, text),
                  c.identifier != nullptr ? 1 : 0);
        if (c.identifier != nullptr) {
            EXPECT_STREQ(text, c.identifier);
        }
    }
    EXPECT_EQ(Dispatch(effGetParamIndexFromIdentifier, 0, 0, const_cast<char*>("param9999")), 9999);
    EXPECT_EQ(Dispatch(effGetParamIndexFromIdentifier, 0, 0, const_cast<char*>("param10000")), -1);
    EXPECT_EQ(Dispatch(effGetParamIndexFromIdentifier, 0, 0, const_cast<char*>("param16x")), -1);
    EXPECT_EQ(Effect()->getParameter(Effect(), 9999), 0.0f);
}

TEST_F(LargePlugin, ChunksLargerThanTheScriptAreKeptWhole) {
    testplugin::Script script = testplugin::DefaultScript();
    script.chunkSize = 1 << 20;
    Load(script);
    void* data = nullptr;
    ASSERT_EQ(Dispatch(effGetChunk, 0, 0, &data), 1 << 20);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(static_cast<const unsigned char*>(data)[(1 << 20) - 1], 0);

    std::vector<unsigned char> restored(70000);
    for (size_t i = 0; i < restored.size(); ++i) restored[i] = static_cast<unsigned char>(i * 7);
    EXPECT_EQ(Dispatch(effSetChunk, 0, static_cast<intptr_t>(restored.size()), restored.data()), 1);
    ASSERT_EQ(Dispatch(effGetChunk, 0, 0, &data), 70000);
    EXPECT_EQ(std::memcmp(data, restored.data(), restored.size()), 0);

    const unsigned char small[3] = {1, 2, 3};
    EXPECT_EQ(Dispatch(effSetChunk, 0, 3, const_cast<unsigned char*>(small)), 1);
    ASSERT_EQ(Dispatch(effGetChunk, 0, 0, &data), 3);
    EXPECT_EQ(std::memcmp(data, small, 3), 0);
}

}  // namespace
