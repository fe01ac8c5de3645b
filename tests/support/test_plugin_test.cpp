// The scriptable test plug-in itself: the answers the other suites rely on, asked through its
// effect record the way a host asks.
#include <gtest/gtest.h>

#include <cmath>
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

// The hostile answers the fuzz target scripts, each asked once.
TEST_F(ScriptedPlugin, GivesTheHostileAnswersItsScriptAsksFor) {
    struct Case {
        const char* name;
        void (*script)(testplugin::Script&);
        bool (*holds)(AEffect* effect);
    };
    const Case cases[] = {
        {"getParameter answers NaN",
         [](testplugin::Script& s) {
             s.overridesGetParameter = 1;
             s.getParameterValue = std::nanf("");
         },
         [](AEffect* e) { return std::isnan(e->getParameter(e, 0)); }},
        {"getParameter answers beyond 1",
         [](testplugin::Script& s) {
             s.overridesGetParameter = 1;
             s.getParameterValue = 2.0f;
         },
         [](AEffect* e) { return e->getParameter(e, 1) == 2.0f; }},
        {"private opcodes answer the scripted value",
         [](testplugin::Script& s) { s.privateAnswer = -7; },
         [](AEffect* e) {
             return e->dispatcher(e, effPrivateRedraw, 0, 0, nullptr, 0.0f) == -7 &&
                    e->dispatcher(e, effPrivatePrepareEditor, 0, 0, nullptr, 0.0f) == -7 &&
                    e->dispatcher(e, effSetBypassParamIdentifier, 0, 0, nullptr, 0.0f) == -7;
         }},
        {"any identifier maps to the scripted index",
         [](testplugin::Script& s) {
             s.overridesIndexFromIdentifier = 1;
             s.indexFromIdentifier = 10000;
         },
         [](AEffect* e) {
             char id[] = "drive";
             return e->dispatcher(e, effGetParamIndexFromIdentifier, 0, 0, id, 0.0f) == 10000;
         }},
        {"effOpen changes the parameter count",
         [](testplugin::Script& s) {
             s.changesNumParamsOnOpen = 1;
             s.numParamsAfterOpen = 0;
         },
         [](AEffect* e) {
             const bool before = e->numParams == 2;
             e->dispatcher(e, effOpen, 0, 0, nullptr, 0.0f);
             return before && e->numParams == 0;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testplugin::Script script = TwoParameters();
        c.script(script);
        Load(script);
        EXPECT_TRUE(c.holds(Effect()));
    }
}

// A report scripted for a place is made from inside each call of that place, and not from
// others; the host's answer to a sample-rate request shows in the log as effSetSampleRate.
TEST_F(ScriptedPlugin, ReportsToItsHostFromInsideTheScriptedCalls) {
    struct Case {
        int32_t places;
        size_t requests;
    };
    for (const Case c : {Case{0, 0}, Case{testplugin::kReportInSetParameter, 1},
                         Case{testplugin::kReportInSetChunk | testplugin::kReportInEditIdle, 2}}) {
        SCOPED_TRACE(c.places);
        testplugin::Script script = TwoParameters();
        script.reportPlaces = c.places;
        script.reportOpcode = audioMasterGetSampleRate;
        Load(script);
        Control().ResetLog();
        Effect()->setParameter(Effect(), 0, 0.5f);
        char chunk[] = "x";
        Dispatch(effSetChunk, 0, 1, chunk);
        Dispatch(effEditIdle, 0, 0, nullptr);
        size_t requests = 0;
        for (const Call& call : Control().CallsTo(Effect())) {
            if (call.kind == CallKind::kDispatcher && call.opcode == effSetSampleRate) ++requests;
        }
        EXPECT_EQ(requests, c.requests);
    }
}

TEST_F(ScriptedPlugin, CountsTheCallsThatReachItAfterItsClose) {
    Load(TwoParameters());
    const int32_t before = Control().CallsAfterClose();
    Effect()->getParameter(Effect(), 0);
    EXPECT_EQ(Control().CallsAfterClose(), before);
    Dispatch(effClose, 0, 0, nullptr);
    EXPECT_EQ(Control().CallsAfterClose(), before);
    Effect()->getParameter(Effect(), 0);
    Dispatch(effEditIdle, 0, 0, nullptr);
    EXPECT_EQ(Control().CallsAfterClose(), before + 2);
    EXPECT_EQ(Control().LastEffect(), Effect());
}
