// The module that ships, loaded by path and used through its exports alone, as a workstation uses
// it: a whole instance life over the test plug-in, mono and stereo.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "abi/vst2.h"
#include "tests/integration/session_fixture.h"

using testplugin::Call;
using testplugin::CallKind;

namespace {

class ProductModule : public SessionTest, public testing::WithParamInterface<int32_t> {
  protected:
    void SetUp() override {
        SessionTest::SetUp();
        testplugin::Script script = testplugin::DefaultScript();
        script.numParams = 2;
        for (int32_t i = 0; i < 2; ++i) {
            testplugin::Parameter& parameter = script.parameters[i];
            parameter.automatable = 1;
            parameter.value = 0.5f;
            std::strcpy(parameter.name, i == 0 ? "Gain" : "Mix");
            std::strcpy(parameter.identifier, i == 0 ? "gain" : "mix");
        }
        script.chunkSize = 5;
        std::memcpy(script.chunk, "state", 5);
        Control().SetScript(script);
        OpenSession();
    }
};

std::vector<int32_t> Opcodes(const std::vector<Call>& calls) {
    std::vector<int32_t> opcodes;
    for (const Call& call : calls) {
        if (call.kind == CallKind::kDispatcher) opcodes.push_back(call.opcode);
    }
    return opcodes;
}

TEST_P(ProductModule, WholeInstanceLifeThroughTheExports) {
    const int32_t channels = GetParam();
    auto instance = std::make_unique<aaxhost::EffectInstance>(
        *session, aaxhost::InstanceOptions{channels, 48000.0f, aaxhost::SetRequestAnswer::kQueued});
    ASSERT_TRUE(instance->Ready()) << instance->Failure();
    EXPECT_EQ(instance->ParameterIdentifiers(),
              (std::vector<std::string>{"MasterBypassID", "gain", "mix"}));
    AEffect* effect = WrappedEffect();
    ASSERT_NE(effect, nullptr);
    const auto CallsSinceReset = [effect] { return Control().CallsTo(effect); };
    EXPECT_EQ(session->LiveObjects(), 1);

    // A block with MIDI and a playing transport, through the component's process procedure.
    Control().ResetLog();
    std::vector<std::vector<float>> input(static_cast<size_t>(channels), std::vector<float>(64));
    std::vector<std::vector<float>> output(static_cast<size_t>(channels),
                                           std::vector<float>(64, -1.0f));
    std::vector<const float*> inputs;
    std::vector<float*> outputs;
    for (int32_t c = 0; c < channels; ++c) {
        for (size_t i = 0; i < 64; ++i) input[c][i] = 0.01f * static_cast<float>(i) + c;
        inputs.push_back(input[c].data());
        outputs.push_back(output[c].data());
    }
    instance->Transport().state.playing = true;
    const MidiPacket note{3, 3, {0x90, 60, 100, 0}, false};
    instance->MidiInput().SetPackets(&note, 1);
    instance->Render(inputs.data(), outputs.data(), 64);
    EXPECT_EQ(output[0], input[0]) << "the plug-in's audio reaches the host";
    std::vector<Call> calls = CallsSinceReset();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].opcode, effProcessEvents);
    EXPECT_EQ(calls[0].event.deltaFrames, 3);
    EXPECT_EQ(calls[1].kind, CallKind::kProcessReplacing);
    EXPECT_EQ(calls[1].frames, 64);

    // Host to plug-in: a set request answered by the host reaches setParameter.
    Control().ResetLog();
    EXPECT_EQ(instance->Effect().SetParameterNormalizedValue("gain", 0.25), AAX_SUCCESS);
    EXPECT_EQ(instance->Service(), AAX_SUCCESS);
    calls = CallsSinceReset();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().kind, CallKind::kSetParameter);
    EXPECT_EQ(calls.back().index, 0);
    EXPECT_EQ(calls.back().opt, 0.25f);

    // Plug-in to host: its automation becomes a host request, whose answer comes back to it.
    Control().ResetLog();
    Control().CallHost(effect, audioMasterAutomate, 1, 0, nullptr, 0.75f);
    EXPECT_EQ(instance->Service(), AAX_SUCCESS);
    calls = CallsSinceReset();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().kind, CallKind::kSetParameter);
    EXPECT_EQ(calls.back().index, 1);
    EXPECT_EQ(calls.back().opt, 0.75f);
    double mix = 0.0;
    EXPECT_EQ(instance->Effect().GetParameterNormalizedValue("mix", &mix), AAX_SUCCESS);
    EXPECT_EQ(mix, 0.75);

    // State: saved as the plug-in's bank chunk under its identifier, restored byte for byte.
    aaxhost::SavedState state;
    ASSERT_EQ(instance->SaveState(state), AAX_SUCCESS);
    EXPECT_EQ(state.chunkID, static_cast<TypeCode>(testplugin::DefaultScript().uniqueID));
    EXPECT_EQ(std::string(state.data.begin(), state.data.end()), "state");
    Control().ResetLog();
    ASSERT_EQ(instance->LoadState(state), AAX_SUCCESS);
    calls = CallsSinceReset();
    const auto restore = std::find_if(calls.begin(), calls.end(), [](const Call& call) {
        return call.kind == CallKind::kDispatcher && call.opcode == effSetChunk;
    });
    ASSERT_NE(restore, calls.end());
    EXPECT_EQ(restore->value, 5);

    // The editor in a window of the host, idled, sized and taken away.
    Control().ResetLog();
    int window = 0;
    ASSERT_EQ(instance->OpenEditor(kViewTypeWindowHandle, &window), AAX_SUCCESS);
    EXPECT_EQ(instance->IdleEditor(), AAX_SUCCESS);
    AAX_Point size{};
    EXPECT_EQ(instance->EditorSize(size), AAX_SUCCESS);
    EXPECT_EQ(size.vert, 300.0f);
    EXPECT_EQ(size.horz, 400.0f);
    EXPECT_EQ(instance->CloseEditor(), AAX_SUCCESS);
    EXPECT_EQ(Opcodes(CallsSinceReset()),
              (std::vector<int32_t>{effPrivatePrepareEditor, effEditGetRect, effEditOpen,
                                    effPrivateRedraw, effEditIdle, effEditGetRect, effEditKeyDown,
                                    effEditClose}));
    EXPECT_EQ(session->LiveObjects(), 2) << "the effect-parameters object and the editor";

    instance.reset();
    EXPECT_EQ(session->LiveObjects(), 0);
    EXPECT_EQ(Opcodes(CallsSinceReset()).back(), effClose);
}

INSTANTIATE_TEST_SUITE_P(Channels, ProductModule, testing::Values(1, 2),
                         [](const testing::TestParamInfo<int32_t>& info) {
                             return info.param == 1 ? "Mono" : "Stereo";
                         });

}  // namespace
