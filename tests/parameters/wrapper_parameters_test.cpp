// The wrapper's parameters through the effect-parameters interface: what EffectInit asks of the
// plug-in and posts to the host, how plug-in parameters are mirrored, and values in both
// directions with a queued and with a re-entrant host.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "tests/parameters/wrapper_fixture.h"

namespace {

using aaxhost::Arg;
using aaxhost::SetRequestAnswer;
using aaxhost::Text;
using testplugin::Call;
using testplugin::CallKind;

// A plug-in call as the tests compare it.
struct Seen {
    CallKind kind;
    int32_t opcode;
    int32_t index;
    intptr_t value;
    float opt;
    std::string text;

    bool operator==(const Seen&) const = default;
};

std::ostream& operator<<(std::ostream& stream, const Seen& seen) {
    return stream << static_cast<int>(seen.kind) << " op " << seen.opcode << " [" << seen.index
                  << "] value " << seen.value << " opt " << seen.opt << " '" << seen.text << "'";
}

Seen Dispatch(int32_t opcode, int32_t index = 0, intptr_t value = 0, float opt = 0.0f,
              std::string text = "") {
    return {CallKind::kDispatcher, opcode, index, value, opt, std::move(text)};
}
Seen GetParam(int32_t index) {
    return {CallKind::kGetParameter, 0, index, 0, 0.0f, ""};
}
Seen SetParameterCall(int32_t index, float value) {
    return {CallKind::kSetParameter, 0, index, 0, value, ""};
}

std::vector<Seen> SeenCalls(const std::vector<Call>& calls) {
    std::vector<Seen> seen;
    for (const Call& call : calls) {
        const bool dispatcher = call.kind == CallKind::kDispatcher;
        seen.push_back({call.kind, dispatcher ? call.opcode : 0, call.index,
                        dispatcher ? call.value : 0, call.opt, call.text});
    }
    return seen;
}

using WrapperParameters = WrapperTest;

TEST_F(WrapperParameters, MirrorsOnlyAutomatableParametersAfterTheBypass) {
    CreateAndInitialize(MirrorScript(3));
    EXPECT_EQ(effect_->Identifiers(),
              (std::vector<std::string>{"MasterBypassID", "drive", "mode"}));
    AAX_CString bypass;
    EXPECT_EQ((*effect_)->GetMasterBypassParameter(&bypass), AAX_SUCCESS);
    EXPECT_EQ(bypass.StdString(), "MasterBypassID");
}

TEST_F(WrapperParameters, EffectInitAsksThePlugInInOrderAndPostsFourPackets) {
    Create(MirrorScript(3));
    host_.controller.SetSampleRate(48000.0f);
    Initialize();
    const std::vector<Seen> expected = {
        Dispatch(effSetSampleRate, 0, 0, 48000.0f),
        Dispatch(effSetBypassParamIdentifier, 0, 0, 0.0f, "MasterBypassID"),
        Dispatch(effCanBeAutomated, 0),
        GetParam(0),
        Dispatch(effGetParameterProperties, 0),
        Dispatch(effGetParamIdentifier, 0, 32),
        Dispatch(effCanBeAutomated, 1),
        Dispatch(effCanBeAutomated, 2),
        GetParam(2),
        Dispatch(effGetParameterProperties, 2),
        Dispatch(effGetParamIdentifier, 2, 32),
        Dispatch(effOpen),
        Dispatch(effMainsChanged, 0, 1),
    };
    EXPECT_EQ(SeenCalls(PluginCalls()), expected);

    using Post = std::pair<int64_t, int64_t>;
    EXPECT_EQ(Posts(), (std::vector<Post>{{1, 4}, {3, 4}, {7, 8}, {8, 4}}));
    // The stand-in host's data ports hold what the render callback will read.
    EXPECT_EQ(*host_.context.inputChannelCount, 2);
    EXPECT_EQ(*host_.context.outputChannelCount, 2);
    EXPECT_EQ(*host_.context.vstInterface, object_->GetVstInterface());
    EXPECT_EQ(*host_.context.pluginLoaded, 1);
}

// What EffectInit posted is all that the render callback needs: the host's block reaches the
// plug-in through the posted fields alone.
TEST_F(WrapperParameters, PostedFieldsCarryTheRenderCallbackToThePlugIn) {
    CreateAndInitialize();
    Block block;
    block.input[0][15] = 0.5f;
    block.input[1][3] = -0.25f;
    AttachBlock(block);
    Render();

    const std::vector<Call> calls = PluginCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].kind, CallKind::kProcessReplacing);
    EXPECT_EQ(calls[0].frames, 16);
    EXPECT_EQ(calls[0].outputs[1], block.output[1]);
    EXPECT_EQ(block.output[0][15], 0.5f);
    EXPECT_EQ(block.output[1][3], -0.25f);
}

TEST_F(WrapperParameters, ParametersWithoutPropertiesAreNamedByThePlugIn) {
    Create(MirrorScript(5));
    Initialize();
    std::vector<Seen> plain;
    for (const Seen& seen : SeenCalls(PluginCalls())) {
        if (seen.index == 4) plain.push_back(seen);
    }
    const std::vector<Seen> expected = {
        Dispatch(effCanBeAutomated, 4), GetParam(4), Dispatch(effGetParameterProperties, 4),
        Dispatch(effGetParamName, 4), Dispatch(effGetParamIdentifier, 4, 32)};
    EXPECT_EQ(plain, expected);
}

TEST_F(WrapperParameters, ChannelCountsComeFromTheLowBitsOfTheStemFormats) {
    Create();
    host_.controller.SetStemFormats(0x00000001, 0x7FFF1003);
    Initialize();
    EXPECT_EQ(*host_.context.inputChannelCount, 1);
    EXPECT_EQ(*host_.context.outputChannelCount, 3);
}

TEST_F(WrapperParameters, SampleRateReachesThePlugInTruncated) {
    for (float rate : {44100.5f, 48000.0f, 96000.9f}) {
        SCOPED_TRACE(rate);
        Create();
        host_.controller.SetSampleRate(rate);
        Initialize();
        const std::vector<Call> calls = PluginCalls();
        ASSERT_FALSE(calls.empty());
        EXPECT_EQ(calls[0].opcode, effSetSampleRate);
        EXPECT_EQ(calls[0].opt, static_cast<float>(static_cast<int32_t>(rate)));
        (*effect_)->Uninitialize();
        effect_->Release();
    }
}

// The host uninitialises the effect, its controller changes the rate, and it initialises the
// effect again. From then on the plug-in sees the new rate wherever it looks: in effSetSampleRate
// at initialisation, in every time record, and in the effSetSampleRate that its own rate
// request brings, on the render thread as on any other; a request while no controller is
// attached leaves no rate of its own behind. The render thread never asks the controller.
TEST_F(WrapperParameters, ReinitialisationAtANewRateReachesEveryTimeRecordOnEveryThread) {
    struct Case {
        float first, second;
        bool askWhileUninitialised;  // from another thread, between the two initialisations
    };
    for (const Case& c : {Case{44100.7f, 96000.0f, false}, Case{96000.0f, 48000.0f, false},
                          Case{48000.0f, 88200.0f, true}, Case{88200.0f, 22050.5f, true}}) {
        SCOPED_TRACE(testing::Message() << c.first << " -> " << c.second << " asked between "
                                        << c.askWhileUninitialised);
        testplugin::Script script = MirrorScript(1);
        script.asksTimeInProcess = 1;
        Create(script);
        Block block;
        AttachBlock(block);

        // Each look, with the plug-in's calls it caused: the rate of the time record it saw in
        // its block, and the rate sent back for its rate request on the same thread.
        struct RateSeen {
            double timeRecord;
            float sent;
        };
        auto asked = [&] {
            const auto* time = reinterpret_cast<const VstTimeInfo*>(
                Control().CallHost(Effect(), audioMasterGetTime, 0, 0));
            Control().CallHost(Effect(), audioMasterGetSampleRate);
            const std::vector<Call> calls = PluginCalls();
            EXPECT_EQ(calls.back().opcode, effSetSampleRate);
            return RateSeen{time != nullptr ? time->sampleRate : -1.0, calls.back().opt};
        };
        auto onRenderThread = [&] {
            host_.controller.Log().Clear();
            Render();
            const std::vector<Call> calls = PluginCalls();
            EXPECT_EQ(calls.back().kind, CallKind::kProcessReplacing);
            const double inBlock = calls.back().time.sampleRate;
            RateSeen seen = asked();
            EXPECT_EQ(seen.timeRecord, inBlock);
            for (const aaxhost::Call& call : host_.controller.Log().Calls()) {
                EXPECT_NE(call.slot, 4) << "the render thread asked the controller for the rate";
            }
            return seen;
        };
        auto onAnotherThread = [&] {
            RateSeen seen{};
            std::thread([&] { seen = asked(); }).join();
            return seen;
        };

        host_.controller.SetSampleRate(c.first);
        Initialize();
        EXPECT_EQ(onRenderThread().sent, c.first);
        EXPECT_EQ((*effect_)->Uninitialize(), AAX_SUCCESS);
        if (c.askWhileUninitialised) onAnotherThread();

        host_.controller.SetSampleRate(c.second);
        Control().ResetLog();
        Initialize();
        ASSERT_FALSE(PluginCalls().empty());
        EXPECT_EQ(PluginCalls()[0].opcode, effSetSampleRate);
        EXPECT_EQ(PluginCalls()[0].opt, std::trunc(c.second));
        for (const RateSeen& seen : {onRenderThread(), onAnotherThread(), onRenderThread()}) {
            EXPECT_EQ(seen.timeRecord, static_cast<double>(c.second));
            EXPECT_EQ(seen.sent, c.second);
        }
        (*effect_)->Uninitialize();
        effect_->Release();
    }
}

TEST_F(WrapperParameters, EachKindOfPlugInParameterGetsItsMirror) {
    CreateAndInitialize();
    struct Row {
        const char* id;
        std::string name;
        int32_t steps;
        int32_t type;
        double normalized;
        std::string text;  // of the current value
        std::string textAt0;
        std::string textAt1;
    };
    const std::vector<Row> rows = {
        {"MasterBypassID", "Master Bypass", 2, 0, 0.0, "bypass", "bypass", "on"},
        {"drive", "Drive\nDrv", 65, 1, 0.4f, "0.40", "0.00", "1.00"},
        {"mode", "Mode", 2, 0, 1.0, "on", "off", "on"},
        {"steps", "Steps", 5, 1, 0.5, "0.50", "0.00", "1.00"},
        {"plain", "Plain", 65, 1, 0.25, "0.25", "0.00", "1.00"},
    };
    EXPECT_EQ(effect_->Count(), static_cast<int32_t>(rows.size()));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        EXPECT_EQ(effect_->Name(row.id), row.name);
        int32_t steps = -1;
        int32_t type = -1;
        bool automatable = false;
        double defaultValue = -1.0;
        EXPECT_EQ((*effect_)->GetParameterNumberOfSteps(row.id, &steps), AAX_SUCCESS);
        EXPECT_EQ(steps, row.steps);
        EXPECT_EQ((*effect_)->GetParameterType(row.id, &type), AAX_SUCCESS);
        EXPECT_EQ(type, row.type);
        EXPECT_EQ((*effect_)->GetParameterIsAutomatable(row.id, &automatable), AAX_SUCCESS);
        EXPECT_TRUE(automatable);
        EXPECT_DOUBLE_EQ(effect_->Normalized(row.id), row.normalized);
        EXPECT_EQ((*effect_)->GetParameterDefaultNormalizedValue(row.id, &defaultValue),
                  AAX_SUCCESS);
        EXPECT_DOUBLE_EQ(defaultValue, row.normalized);
        EXPECT_EQ(effect_->ValueString(row.id), row.text);
        for (const auto& [value, text] : {std::pair{0.0, row.textAt0}, {1.0, row.textAt1}}) {
            AAX_CString converted;
            EXPECT_EQ((*effect_)->GetParameterStringFromValue(row.id, value, &converted, 16),
                      AAX_SUCCESS);
            EXPECT_EQ(converted.StdString(), text);
        }
    }
}

TEST_F(WrapperParameters, HostValuesReachThePlugInByItsOwnIndex) {
    CreateAndInitialize();
    ASSERT_EQ((*effect_)->UpdateParameterNormalizedValue("plain", 0.75, 0), AAX_SUCCESS);
    EXPECT_EQ(SeenCalls(PluginCalls()),
              (std::vector<Seen>{Dispatch(effGetParamIndexFromIdentifier, 0, 0, 0.0f, "plain"),
                                 SetParameterCall(4, 0.75f)}));
    EXPECT_DOUBLE_EQ(effect_->Normalized("plain"), 0.75);
    // The wrapper neither counts the change nor marks a packet.
    int32_t changes = -1;
    EXPECT_EQ((*effect_)->GetNumberOfChanges(&changes), AAX_SUCCESS);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ((*effect_)->UpdateParameterNormalizedValue("nothing", 0.5, 0),
              AAX_ERROR_INVALID_PARAMETER_ID);
}

TEST_F(WrapperParameters, MasterBypassBecomesEffSetBypassAndIsPostedOnlyOnce) {
    CreateAndInitialize();
    const size_t postsBefore = Posts().size();
    // The bypass packet was registered dirty: the first generation posts it.
    EXPECT_EQ((*effect_)->GenerateCoefficients(), AAX_SUCCESS);
    ASSERT_EQ(Posts().size(), postsBefore + 1);
    EXPECT_EQ(Posts().back(), (std::pair<int64_t, int64_t>{6, 4}));
    EXPECT_EQ(*host_.context.masterBypass, 0);

    struct Case {
        double value;
        intptr_t sent;
    };
    for (const Case& c : {Case{0.3, 1}, Case{0.0, 0}, Case{1.0, 1}}) {
        SCOPED_TRACE(c.value);
        Control().ResetLog();
        ASSERT_EQ((*effect_)->UpdateParameterNormalizedValue("MasterBypassID", c.value, 0),
                  AAX_SUCCESS);
        EXPECT_EQ(SeenCalls(PluginCalls()), (std::vector<Seen>{Dispatch(effSetBypass, 0, c.sent)}));
    }
    // A change of the bypass is not posted again.
    EXPECT_EQ((*effect_)->GenerateCoefficients(), AAX_SUCCESS);
    EXPECT_EQ(Posts().size(), postsBefore + 1);
}

// Every initialisation registers the bypass packet anew, whether the host uninitialised the effect
// before or not: the first generation after it posts the bypass once to the new controller.
TEST_F(WrapperParameters, ReinitialisedEffectPostsTheBypassOnceAgain) {
    CreateAndInitialize();
    EXPECT_EQ((*effect_)->GenerateCoefficients(), AAX_SUCCESS);
    for (const bool uninitializeFirst : {true, false, true}) {
        SCOPED_TRACE(uninitializeFirst);
        if (uninitializeFirst) {
            EXPECT_EQ((*effect_)->Uninitialize(), AAX_SUCCESS);
        }
        Initialize();
        host_.controller.Log().Clear();
        EXPECT_EQ((*effect_)->GenerateCoefficients(), AAX_SUCCESS);
        EXPECT_EQ((*effect_)->GenerateCoefficients(), AAX_SUCCESS);
        EXPECT_EQ(Posts(), (std::vector<std::pair<int64_t, int64_t>>{{6, 4}}));
    }
}

// The plug-in reports an edit of its parameter 2 ("mode"), as its editor would.
class PlugInEdits : public WrapperTest, public testing::WithParamInterface<SetRequestAnswer> {};

TEST_P(PlugInEdits, ReachTheHostAsRequestsAndTheHostsAnswerReachesThePlugIn) {
    Create();
    Initialize(GetParam());
    Control().ResetLog();
    const size_t before = AutomationCalls().size();

    EXPECT_EQ(Control().CallHost(Effect(), audioMasterBeginEdit, 2), 0);
    EXPECT_EQ(Control().CallHost(Effect(), audioMasterAutomate, 2, 0, nullptr, 0.0f), 0);
    EXPECT_EQ(Control().CallHost(Effect(), audioMasterEndEdit, 2), 0);
    if (GetParam() == SetRequestAnswer::kQueued) {
        EXPECT_EQ(host_.automation.Pump(), 1u);
    }

    const std::vector<aaxhost::Call> calls = AutomationCalls();
    std::vector<aaxhost::Call> requests(calls.begin() + static_cast<std::ptrdiff_t>(before),
                                        calls.end());
    std::erase_if(requests, [](const aaxhost::Call& call) { return call.slot == 6; });
    const std::vector<aaxhost::Call> expected = {
        {7, {Text("mode")}},            // begin edit
        {7, {Text("mode")}},            // the set request's own touch
        {5, {Text("mode"), Arg(0.0)}},  // set
        {8, {Text("mode")}},            // the set request's own release
        {8, {Text("mode")}},            // end edit
    };
    EXPECT_EQ(requests, expected);

    // The host's answer came back to the plug-in as a parameter change of index 2.
    std::vector<Seen> changes;
    for (const Seen& seen : SeenCalls(PluginCalls())) {
        if (seen.kind == CallKind::kSetParameter || seen.opcode == effGetParamIndexFromIdentifier) {
            changes.push_back(seen);
        }
    }
    EXPECT_EQ(changes,
              (std::vector<Seen>{Dispatch(effGetParamIndexFromIdentifier, 0, 0, 0.0f, "mode"),
                                 SetParameterCall(2, 0.0f)}));
    EXPECT_DOUBLE_EQ(effect_->Normalized("mode"), 0.0);
}

TEST_P(PlugInEdits, OfAParameterWithoutMirrorAreIgnored) {
    Create();
    Initialize(GetParam());
    Control().ResetLog();
    const size_t before = AutomationCalls().size();
    for (int32_t opcode : {audioMasterBeginEdit, audioMasterAutomate, audioMasterEndEdit}) {
        EXPECT_EQ(Control().CallHost(Effect(), opcode, 1, 0, nullptr, 0.5f), 0);
    }
    host_.automation.Pump();
    EXPECT_EQ(AutomationCalls().size(), before);
    for (const Seen& seen : SeenCalls(PluginCalls())) {
        EXPECT_EQ(seen.opcode, effGetParamIdentifier);
    }
}

// A plug-in that reports each value the host hands it from inside setParameter, maybe snapped to
// a step: only a value other than the host's, as the parameter keeps it, goes back to the host;
// its answer reaches the plug-in, whose echo of it ends there.
TEST_P(PlugInEdits, OnlyCorrectionsOfAHostValueGoBackToTheHost) {
    const struct {
        const char* name;
        const char* identifier;
        int32_t index;
        int32_t snapSteps;
        double hostValue;
        std::vector<double> requested;
        std::vector<float> taken;  // what setParameter gave the plug-in
        double kept;               // the host's value in the end
    } cases[] = {
        {"the host's value echoed", "drive", 0, 0, 0.3, {}, {0.3f}, 0.3f},
        {"a value on a step echoed", "steps", 3, 5, 0.5, {}, {0.5f}, 0.5},
        {"a value snapped to a step", "steps", 3, 5, 0.3, {0.25}, {0.3f, 0.25f}, 0.25},
        {"a continuous value snapped", "drive", 0, 5, 0.6, {0.5}, {0.6f, 0.5f}, 0.5},
        {"a switch's value snapped on its side", "mode", 2, 5, 0.7, {}, {0.7f}, 1.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testplugin::Script script = MirrorScript();
        script.snapSteps = c.snapSteps;
        script.echoesSetParameter = 1;
        Create(script);
        Initialize(GetParam());
        Control().ResetLog();
        const size_t before = AutomationCalls().size();

        ASSERT_EQ((*effect_)->UpdateParameterNormalizedValue(c.identifier, c.hostValue, 0),
                  AAX_SUCCESS);
        host_.automation.Pump();
        std::vector<double> requested;
        const std::vector<aaxhost::Call> calls = AutomationCalls();
        for (size_t i = before; i < calls.size(); ++i) {
            if (calls[i].slot == 5) requested.push_back(std::get<double>(calls[i].arguments[1]));
        }
        EXPECT_EQ(requested, c.requested);
        std::vector<float> taken;
        for (const Call& call : PluginCalls()) {
            if (call.kind == CallKind::kSetParameter && call.index == c.index) {
                taken.push_back(call.opt);
            }
        }
        EXPECT_EQ(taken, c.taken);
        EXPECT_DOUBLE_EQ(effect_->Normalized(c.identifier), c.kept);
        (*effect_)->Uninitialize();
        EXPECT_EQ(effect_->Release(), 0u);
        effect_.reset();
    }
}

// A plug-in whose setParameter reports a value of its own for the parameter and then echoes the
// one it was given contradicts itself at every hand-over; with a host that answers at once the
// two values would bounce between them without end, each hand-over nested in the last.
TEST_F(WrapperParameters, APlugInContradictingItsOwnValueIsNotHandedItForEver) {
    testplugin::Script script = MirrorScript();
    script.echoesSetParameter = 1;
    script.reportPlaces = testplugin::kReportInSetParameter;
    script.reportOpcode = audioMasterAutomate;
    script.reportIndex = 0;
    script.reportValue = 0.0f;
    Create(script);
    Initialize(SetRequestAnswer::kAtOnce);
    Control().ResetLog();

    ASSERT_EQ((*effect_)->UpdateParameterNormalizedValue("drive", 0.5, 0), AAX_SUCCESS);
    size_t handedOver = 0;
    for (const Call& call : PluginCalls()) {
        if (call.kind == CallKind::kSetParameter && call.index == 0) ++handedOver;
    }
    EXPECT_GE(handedOver, 1u);
    EXPECT_LE(handedOver, 16u);
}

INSTANTIATE_TEST_SUITE_P(HostAnswers, PlugInEdits,
                         testing::Values(SetRequestAnswer::kQueued, SetRequestAnswer::kAtOnce));

TEST_F(WrapperParameters, WithoutThePlugInOnlyTheLoadedFlagIsPosted) {
    testsupport::ClearInstallDirectory();
    Control().SetScript(MirrorScript());
    object_ = new AAXWrapper_Parameters;
    effect_ = std::make_unique<HostedEffect>(
        static_cast<IACFUnknown*>(static_cast<AAX_IACFEffectParameters_V2*>(object_)));
    ASSERT_EQ(object_->GetVstInterface()->effect, nullptr);
    Initialize();
    EXPECT_EQ(Posts(), (std::vector<std::pair<int64_t, int64_t>>{{8, 4}}));
    EXPECT_EQ(*host_.context.pluginLoaded, 0);
    EXPECT_EQ(effect_->Count(), 0);
    AAX_CString bypass("x");
    EXPECT_EQ((*effect_)->GetMasterBypassParameter(&bypass), AAX_SUCCESS);
    EXPECT_EQ(bypass.StdString(), "");
    EXPECT_EQ((*effect_)->UpdateParameterNormalizedValue("MasterBypassID", 1.0, 0),
              AAX_ERROR_INVALID_PARAMETER_ID);
}

// A plug-in that fills every text buffer to its end without a terminator.
TEST_F(WrapperParameters, TextsThatFillTheirBuffersAreCutNotOverread) {
    testplugin::Script script = MirrorScript(5);
    script.fillsTextBuffers = 1;
    std::strcpy(script.parameters[0].identifier, "abcdefghijklmnopqrstuvwxyz0123456789");
    std::memset(script.parameters[0].properties.label, 'L',
                sizeof script.parameters[0].properties.label);
    std::memset(script.parameters[0].properties.shortLabel, 'S',
                sizeof script.parameters[0].properties.shortLabel);
    CreateAndInitialize(script);

    const std::vector<std::string> ids = effect_->Identifiers();
    ASSERT_EQ(ids.size(), 5u);
    EXPECT_EQ(ids[1], "abcdefghijklmnopqrstuvwxyz01234");
    EXPECT_EQ(effect_->Name(ids[1].c_str()), std::string(63, 'L') + "\n" + std::string(7, 'S'));
    EXPECT_EQ(effect_->Name(ids[4].c_str()).size(), 127u);
    // The cut identifier is not the plug-in's: the change stays with the host.
    ASSERT_EQ((*effect_)->UpdateParameterNormalizedValue(ids[1].c_str(), 0.5, 0), AAX_SUCCESS);
    for (const Call& call : PluginCalls()) EXPECT_NE(call.kind, CallKind::kSetParameter);
    // Automation from the plug-in identifies through a 256-byte buffer, also cut, which names
    // no parameter.
    const size_t before = AutomationCalls().size();
    EXPECT_EQ(Control().CallHost(Effect(), audioMasterAutomate, 0, 0, nullptr, 0.5f), 0);
    EXPECT_EQ(AutomationCalls().size(), before);
}

}  // namespace

// A plug-in that writes no identifiers: each mirror is known by its index's derived identifier,
// which maps back to the index without effGetParamIndexFromIdentifier in both directions.
TEST_P(PlugInEdits, WithoutIdentifiersUseDerivedOnesInBothDirections) {
    testplugin::Script script = MirrorScript();
    for (testplugin::Parameter& parameter : script.parameters) parameter.identifier[0] = '\0';
    Create(script);
    Initialize(GetParam());
    EXPECT_EQ(effect_->Identifiers(),
              (std::vector<std::string>{"MasterBypassID", "p:0", "p:2", "p:3", "p:4"}));

    Control().ResetLog();
    ASSERT_EQ((*effect_)->UpdateParameterNormalizedValue("p:4", 0.75, 0), AAX_SUCCESS);
    EXPECT_EQ(SeenCalls(PluginCalls()), (std::vector<Seen>{SetParameterCall(4, 0.75f)}));
    EXPECT_EQ((*effect_)->UpdateParameterNormalizedValue("p:1", 0.5, 0),
              AAX_ERROR_INVALID_PARAMETER_ID);

    Control().ResetLog();
    const size_t before = AutomationCalls().size();
    EXPECT_EQ(Control().CallHost(Effect(), audioMasterAutomate, 2, 0, nullptr, 0.0f), 0);
    if (GetParam() == SetRequestAnswer::kQueued) {
        EXPECT_EQ(host_.automation.Pump(), 1u);
    }
    const std::vector<aaxhost::Call> calls = AutomationCalls();
    ASSERT_GT(calls.size(), before);
    EXPECT_EQ(calls[before], (aaxhost::Call{7, {Text("p:2")}}));
    EXPECT_EQ(SeenCalls(PluginCalls()),
              (std::vector<Seen>{Dispatch(effGetParamIdentifier, 2), SetParameterCall(2, 0.0f)}));
    EXPECT_DOUBLE_EQ(effect_->Normalized("p:2"), 0.0);
}

// Plug-ins that refuse automation until effOpen are read again once they are open; the first
// reading's calls are those any plug-in receives.
TEST_F(WrapperParameters, PlugInAutomatableOnlyWhenOpenIsReadAgainAfterEffOpen) {
    Create(MirrorScript(3));
    Initialize();
    const std::vector<Seen> opened = SeenCalls(PluginCalls());
    (*effect_)->Uninitialize();
    effect_->Release();

    testplugin::Script script = MirrorScript(3);
    script.automatableOnlyWhenOpen = 1;
    Create(script);
    Initialize();
    // The refused questions, then effOpen, then the reading an open plug-in gets.
    const auto open = std::find(opened.begin(), opened.end(), Dispatch(effOpen));
    ASSERT_NE(open, opened.end());
    std::vector<Seen> expected(opened.begin(), opened.begin() + 2);
    for (int32_t index = 0; index < 3; ++index) {
        expected.push_back(Dispatch(effCanBeAutomated, index));
    }
    expected.push_back(*open);
    expected.insert(expected.end(), opened.begin() + 2, open);
    expected.insert(expected.end(), open + 1, opened.end());
    EXPECT_EQ(SeenCalls(PluginCalls()), expected);
    EXPECT_EQ(effect_->Identifiers(),
              (std::vector<std::string>{"MasterBypassID", "drive", "mode"}));
}

TEST_F(WrapperParameters, PlugInWithoutAutomatableParametersIsReadTwiceOnly) {
    testplugin::Script script = MirrorScript(2);
    script.parameters[0].automatable = 0;
    Create(script);
    Initialize();
    int32_t automatable = 0;
    for (const Call& call : PluginCalls()) {
        if (call.kind == CallKind::kDispatcher && call.opcode == effCanBeAutomated) ++automatable;
    }
    EXPECT_EQ(automatable, 4) << "read before and after effOpen, then no more";
    EXPECT_EQ(effect_->Identifiers(), (std::vector<std::string>{"MasterBypassID"}));
}
