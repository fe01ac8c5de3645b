// What a host learns about the demo plug-in's parameters: the effect record, names, labels,
// properties, value texts and the private identifier requests.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>
#include <string>

#include "tests/tools/demo_plugin/demo_host.h"

namespace {

struct ExpectedParameter {
    const char* identifier;
    const char* name;
    const char* label;
    const char* shortLabel;
    bool isSwitch;
    int32_t stepInteger;
    bool automatable;
};

const ExpectedParameter kExpected[] = {
    {"tremolo_depth", "Depth", "Tremolo Depth", "Depth", false, 0, true},
    {"tremolo_rate", "Rate", "Tremolo Rate", "Rate", false, 0, true},
    {"tempo_sync", "Sync", "Tempo Sync", "Sync", true, 2, true},
    {"sync_division", "Division", "Sync Division", "Div", true, 5, true},
    {"tone", "Tone", "Tone Cutoff", "Tone", false, 0, true},
    {"output_gain", "Gain", "Output Gain", "Gain", false, 0, true},
    {"stereo_phase", "Phase", "Stereo Phase", "Phase", false, 0, false},
};
constexpr int32_t kCount = static_cast<int32_t>(std::size(kExpected));

TEST(DemoPlugin, EffectRecordDescribesAStereoEffectWithChunksAndEditor) {
    DemoInstance plugin;
    const AEffect& effect = *plugin.Effect();
    EXPECT_EQ(effect.magic, kEffectMagic);
    EXPECT_EQ(effect.numParams, kCount);
    EXPECT_EQ(effect.numInputs, 2);
    EXPECT_EQ(effect.numOutputs, 2);
    EXPECT_EQ(effect.flags, effFlagsHasEditor | effFlagsCanReplacing | effFlagsProgramChunks);
    EXPECT_EQ(effect.uniqueID, 0x56513331);
    EXPECT_NE(effect.processReplacing, nullptr);
    EXPECT_EQ(effect.user, &plugin);  // the host's field, left as the host set it
    EXPECT_EQ(plugin.Dispatch(effGetVstVersion), 2400);
    char text[64] = {};
    EXPECT_EQ(plugin.Dispatch(effGetProductString, 0, 0, text), 1);
    EXPECT_STREQ(text, "VQ318");
    EXPECT_EQ(plugin.Dispatch(effCanDo, 0, 0, const_cast<char*>("receiveVstMidiEvent")), 1);
    EXPECT_EQ(plugin.Dispatch(effCanDo, 0, 0, const_cast<char*>("sendVstMidiEvent")), 0);
}

TEST(DemoPlugin, ParameterTableGivesNamesLabelsStepsAndAutomation) {
    DemoInstance plugin;
    for (int32_t i = 0; i < kCount; ++i) {
        SCOPED_TRACE(kExpected[i].identifier);
        char name[128] = {};
        plugin.Dispatch(effGetParamName, i, 0, name);
        EXPECT_STREQ(name, kExpected[i].name);
        EXPECT_EQ(plugin.Dispatch(effCanBeAutomated, i), kExpected[i].automatable ? 1 : 0);

        VstParameterProperties properties;
        std::memset(&properties, 0x5A, sizeof properties);
        ASSERT_EQ(plugin.Dispatch(effGetParameterProperties, i, 0, &properties), 1);
        EXPECT_STREQ(properties.label, kExpected[i].label);
        EXPECT_STREQ(properties.shortLabel, kExpected[i].shortLabel);
        EXPECT_EQ((properties.flags & kVstParameterIsSwitch) != 0, kExpected[i].isSwitch);
        EXPECT_EQ(properties.stepInteger, kExpected[i].stepInteger);
        EXPECT_EQ(properties.categoryLabel[0], '\0');  // the record was cleared, not just filled
    }
}

TEST(DemoPlugin, RequestsForParametersThatDoNotExistAnswerZeroAndWriteNothing) {
    DemoInstance plugin;
    for (int32_t index : {-1, kCount, 1000}) {
        char text[64] = "untouched";
        EXPECT_EQ(plugin.Dispatch(effGetParamName, index, 0, text), 0);
        EXPECT_EQ(plugin.Dispatch(effGetParamIdentifier, index, 32, text), 0);
        EXPECT_EQ(plugin.Dispatch(effCanBeAutomated, index), 0);
        EXPECT_STREQ(text, "untouched");
        EXPECT_EQ(plugin.GetParameter(index), 0.0f);
    }
    EXPECT_EQ(plugin.Dispatch(effGetParamName, 0, 0, nullptr), 0);
}

TEST(DemoPlugin, ValuesShowInTheirUnits) {
    struct Case {
        int32_t index;
        float value;
        const char* display;
        const char* unit;
    };
    const Case cases[] = {
        {0, 0.5f, "50", "%"},   {1, 0.0f, "0.10", "Hz"}, {1, 1.0f, "20.00", "Hz"},
        {2, 0.0f, "off", ""},   {2, 1.0f, "on", ""},     {3, 0.0f, "1/1", ""},
        {3, 0.75f, "1/8", ""},  {3, 1.0f, "1/16", ""},   {4, 1.0f, "20000", "Hz"},
        {5, 0.5f, "0.0", "dB"}, {5, 0.0f, "-inf", "dB"}, {6, 1.0f, "180", "deg"},
    };
    DemoInstance plugin;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.index) + " at " + std::to_string(c.value));
        plugin.SetParameter(c.index, c.value);
        char display[64] = {};
        char unit[64] = {};
        plugin.Dispatch(effGetParamDisplay, c.index, 0, display);
        plugin.Dispatch(effGetParamLabel, c.index, 0, unit);
        EXPECT_STREQ(display, c.display);
        EXPECT_STREQ(unit, c.unit);
    }
}

TEST(DemoPlugin, SetParameterClampsToTheNormalizedRangeAndIgnoresNotANumber) {
    DemoInstance plugin;
    plugin.SetParameter(0, 1.5f);
    EXPECT_EQ(plugin.GetParameter(0), 1.0f);
    plugin.SetParameter(0, -0.5f);
    EXPECT_EQ(plugin.GetParameter(0), 0.0f);
    plugin.SetParameter(0, 0.25f);
    plugin.SetParameter(0, std::nanf(""));
    EXPECT_EQ(plugin.GetParameter(0), 0.25f);
}

TEST(DemoPlugin, IdentifiersAreDistinctShortAndLeadBackToTheirIndex) {
    DemoInstance plugin;
    std::set<std::string> seen;
    for (int32_t i = 0; i < kCount; ++i) {
        char identifier[256];
        std::memset(identifier, 'x', sizeof identifier);
        ASSERT_EQ(plugin.Dispatch(effGetParamIdentifier, i, 0, identifier), 1);
        ASSERT_NE(std::memchr(identifier, '\0', 32), nullptr) << "at most 31 characters";
        EXPECT_STREQ(identifier, kExpected[i].identifier);
        seen.insert(identifier);
        EXPECT_EQ(plugin.Dispatch(effGetParamIndexFromIdentifier, 0, 0, identifier), i);
    }
    EXPECT_EQ(seen.size(), static_cast<size_t>(kCount));
    EXPECT_LT(plugin.Dispatch(effGetParamIndexFromIdentifier, 0, 0, const_cast<char*>("gain")), 0);
    EXPECT_LT(plugin.Dispatch(effGetParamIndexFromIdentifier, 0, 0, nullptr), 0);
}

TEST(DemoPlugin, IdentifierRequestKeepsToTheGivenLength) {
    DemoInstance plugin;
    char identifier[16];
    std::memset(identifier, 'x', sizeof identifier);
    ASSERT_EQ(plugin.Dispatch(effGetParamIdentifier, 0, 5, identifier), 1);
    EXPECT_STREQ(identifier, "trem");
    EXPECT_EQ(identifier[5], 'x');
    EXPECT_EQ(plugin.Dispatch(effGetParamIdentifier, 0, -1, identifier), 0);
}

TEST(DemoPlugin, BypassIdentifierNeverNamesOneOfItsParameters) {
    DemoInstance plugin;
    char bypass[] = "MasterBypassID";
    EXPECT_EQ(plugin.Dispatch(effSetBypassParamIdentifier, 0, 0, bypass), 1);
    EXPECT_LT(plugin.Dispatch(effGetParamIndexFromIdentifier, 0, 0, bypass), 0);
    // A host naming its bypass like a parameter hides that parameter from -15, not from -14.
    char tone[] = "tone";
    plugin.Dispatch(effSetBypassParamIdentifier, 0, 0, tone);
    EXPECT_LT(plugin.Dispatch(effGetParamIndexFromIdentifier, 0, 0, tone), 0);
    char identifier[32] = {};
    EXPECT_EQ(plugin.Dispatch(effGetParamIdentifier, 4, 32, identifier), 1);
    EXPECT_STREQ(identifier, "tone");
}

}  // namespace
