#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "bridge/channel_layout.h"
#include "tests/process/render_fixture.h"

using testplugin::Call;
using testplugin::CallKind;

namespace {

constexpr int32_t kFrames = 32;

struct Layout {
    int32_t pluginInputs, pluginOutputs, hostChannels;
};

testplugin::Script WithChannels(int32_t inputs, int32_t outputs) {
    testplugin::Script script = testplugin::DefaultScript();
    script.numInputs = inputs;
    script.numOutputs = outputs;
    return script;
}

class RenderLayout : public RenderTest {
  protected:
    // Loads a plug-in of this layout into an instance of `layout.hostChannels` (inputs, and
    // outputs unless `hostOutputs` is given) and renders one block; the block's processReplacing
    // call.
    Call RenderOnce(const Layout& layout, int32_t frames = kFrames, int32_t hostOutputs = -1) {
        Control().SetScript(WithChannels(layout.pluginInputs, layout.pluginOutputs));
        instance = std::make_unique<BridgeInstance>();
        host = std::make_unique<RenderHarness>(
            layout.hostChannels, hostOutputs < 0 ? layout.hostChannels : hostOutputs, frames);
        host->Post(&instance->bridge, 1);
        host->Render();
        const std::vector<Call> calls = Calls();
        if (calls.size() != 1 || calls[0].kind != CallKind::kProcessReplacing) return Call{};
        return calls[0];
    }

    // What each host output must hold after a block of `frames`: a fresh instance of the
    // plug-in called once over the whole block, with silence for the inputs the host lacks.
    std::vector<std::vector<float>> OneCall(const Layout& layout, int32_t frames) const {
        BridgeInstance direct;
        const auto length = static_cast<size_t>(frames);
        std::vector<std::vector<float>> in(static_cast<size_t>(layout.pluginInputs),
                                           std::vector<float>(length, 0.0f));
        std::vector<std::vector<float>> out(static_cast<size_t>(layout.pluginOutputs),
                                            std::vector<float>(length, 0.0f));
        std::vector<float*> inputs;
        std::vector<float*> outputs;
        for (int32_t i = 0; i < layout.pluginInputs; ++i) {
            if (i < layout.hostChannels) std::copy_n(host->input[i].begin(), length, in[i].begin());
            inputs.push_back(in[i].data());
        }
        for (std::vector<float>& channel : out) outputs.push_back(channel.data());
        direct.bridge.effect->processReplacing(direct.bridge.effect, inputs.data(), outputs.data(),
                                               frames);
        std::vector<std::vector<float>> expected;
        for (int32_t channel = 0; channel < layout.hostChannels; ++channel) {
            const int32_t source = layout.pluginOutputs == 1 ? 0 : channel;
            expected.push_back(source < layout.pluginOutputs ? out[source]
                                                             : std::vector<float>(length, 0.0f));
        }
        return expected;
    }

    // What the test plug-in writes into its output `channel` at frame `i` (its copy DSP).
    float PlugInOutput(const Layout& layout, int32_t channel, int32_t i) const {
        if (channel >= layout.pluginInputs) return static_cast<float>(channel + 1);
        return channel < layout.hostChannels ? host->input[channel][i] : 0.0f;
    }
};

std::vector<Layout> AllLayouts() {
    std::vector<Layout> layouts;
    for (int32_t hostChannels : {1, 2, 4}) {
        for (int32_t inputs = 0; inputs <= 8; ++inputs) {
            for (int32_t outputs = 1; outputs <= 8; ++outputs) {
                layouts.push_back(Layout{inputs, outputs, hostChannels});
            }
        }
    }
    return layouts;
}

}  // namespace

TEST_F(RenderLayout, ArraysHoldEveryDeclaredChannelAndHostOutputsGetAllTheirAudio) {
    for (const Layout& layout : AllLayouts()) {
        SCOPED_TRACE(testing::Message() << layout.pluginInputs << " in, " << layout.pluginOutputs
                                        << " out on " << layout.hostChannels << " channels");
        const Call call = RenderOnce(layout);
        ASSERT_EQ(call.kind, CallKind::kProcessReplacing);
        ASSERT_EQ(call.frames, kFrames);

        const std::set<const float*> hostBuffers(host->inputs.begin(), host->inputs.end());
        std::set<const float*> seen;
        const float* silence = nullptr;
        for (int32_t i = 0; i < layout.pluginInputs; ++i) {
            if (i < layout.hostChannels) {
                EXPECT_EQ(call.inputs[i], host->inputs[i]) << "input " << i;
                continue;
            }
            ASSERT_NE(call.inputs[i], nullptr) << "input " << i;
            EXPECT_EQ(hostBuffers.count(call.inputs[i]), 0u) << "input " << i;
            if (silence == nullptr) silence = call.inputs[i];
            EXPECT_EQ(call.inputs[i], silence) << "missing inputs share the silent buffer";
        }
        for (int32_t i = 0; i < layout.pluginOutputs; ++i) {
            if (i < layout.hostChannels) {
                EXPECT_EQ(call.outputs[i], host->outputs[i]) << "output " << i;
                continue;
            }
            ASSERT_NE(call.outputs[i], nullptr) << "output " << i;
            EXPECT_NE(call.outputs[i], silence) << "output " << i;
            EXPECT_TRUE(seen.insert(call.outputs[i]).second) << "scratch output " << i;
            EXPECT_EQ(std::count(host->outputs.begin(), host->outputs.end(), call.outputs[i]), 0)
                << "output " << i;
        }

        for (int32_t channel = 0; channel < layout.hostChannels; ++channel) {
            const int32_t source = layout.pluginOutputs == 1 ? 0 : channel;
            for (int32_t i = 0; i < kFrames; ++i) {
                const float expected =
                    source < layout.pluginOutputs ? PlugInOutput(layout, source, i) : 0.0f;
                ASSERT_EQ(host->output[channel][i], expected) << "host output " << channel;
            }
            EXPECT_EQ(host->output[channel][kFrames], RenderHarness::kUntouched);
        }
        Control().ResetLog();
    }
}

// A plug-in may write into its inputs; the next block still reads silence there.
TEST_F(RenderLayout, SilentInputIsSilentAgainAfterThePlugInWroteIntoIt) {
    const Call call = RenderOnce(Layout{2, 2, 1}, kFrames, 2);
    ASSERT_NE(call.inputs[1], nullptr);
    std::fill_n(const_cast<float*>(call.inputs[1]), kFrames, 0.5f);
    host->Render();
    for (int32_t i = 0; i < kFrames; ++i) ASSERT_EQ(host->output[1][i], 0.0f);
}

// A long block on channels that need the stand-in buffers reaches the plug-in in slices of at
// most kMaxFrames. The host gets what one call of the whole block gives, each slice gets its own
// MIDI (timed from its start) just before it, and its time is the block's moved on to it.
TEST_F(RenderLayout, LongBlockIsRenderedInSlicesAsOneCallWouldRenderIt) {
    constexpr int32_t kMax = ChannelLayout::kMaxFrames;
    constexpr int64_t kLocation = 1000;
    for (const Layout& layout : {Layout{2, 2, 1}, Layout{2, 6, 2}, Layout{4, 2, 2}, Layout{1, 2, 1},
                                 Layout{2, 2, 2}, Layout{1, 1, 2}}) {
        for (const int32_t frames : {1, kMax - 1, kMax, kMax + 1, 2 * kMax, 20000}) {
            SCOPED_TRACE(testing::Message()
                         << layout.pluginInputs << " in, " << layout.pluginOutputs << " out on "
                         << layout.hostChannels << ", " << frames << " frames");
            testplugin::Script script = WithChannels(layout.pluginInputs, layout.pluginOutputs);
            script.dsp = testplugin::Dsp::kBiquad;
            script.asksTimeInProcess = 1;
            Control().SetScript(script);
            instance = std::make_unique<BridgeInstance>();
            host =
                std::make_unique<RenderHarness>(layout.hostChannels, layout.hostChannels, frames);
            const std::vector<std::vector<float>> expected = OneCall(layout, frames);
            Control().ResetLog();

            std::vector<MidiPacket> packets;
            for (const int32_t at : {0, kMax - 1, frames - 1, kMax, 2 * kMax + 7, frames}) {
                if (at <= frames) {
                    packets.push_back(
                        MidiPacket{static_cast<uint32_t>(at),
                                   3,
                                   {0x90, static_cast<uint8_t>(packets.size()), 100, 0},
                                   false});
                }
            }
            host->SetMidiPackets(packets);
            host->transport.playing = true;
            host->transport.sampleLocation = kLocation;
            host->Post(&instance->bridge, 1);
            host->Render();

            const bool sliced = layout.hostChannels < layout.pluginInputs ||
                                layout.hostChannels < layout.pluginOutputs;
            const int32_t slice = sliced ? kMax : frames;
            // The calls the plug-in must see: per slice its packets, then processReplacing.
            std::vector<std::string> want;
            for (int32_t start = 0; start < frames || start == 0; start += slice) {
                const int32_t length = std::min(slice, frames - start);
                const bool last = start + length >= frames;
                for (const MidiPacket& packet : packets) {
                    const auto at = static_cast<int32_t>(packet.mTimestamp);
                    if (at >= start && (at < start + length || last)) {
                        want.push_back("note " + std::to_string(packet.mData[1]) + " at " +
                                       std::to_string(at - start));
                    }
                }
                want.push_back("process " + std::to_string(length) + " from " +
                               std::to_string(kLocation + start));
            }
            std::vector<std::string> got;
            const std::vector<Call> calls = Calls();
            double firstPpq = 0.0;
            int32_t done = 0;
            for (const Call& call : calls) {
                if (call.kind == CallKind::kDispatcher && call.opcode == effProcessEvents) {
                    got.push_back("note " + std::to_string(call.event.midiData[1]) + " at " +
                                  std::to_string(call.event.deltaFrames));
                } else if (call.kind == CallKind::kProcessReplacing) {
                    got.push_back("process " + std::to_string(call.frames) + " from " +
                                  std::to_string(static_cast<int64_t>(call.time.samplePos)));
                    if (done == 0) firstPpq = call.time.ppqPos;
                    EXPECT_DOUBLE_EQ(call.time.ppqPos, firstPpq + done * call.time.tempo /
                                                                      (60.0 * call.time.sampleRate))
                        << "slice at " << done;
                    done += call.frames;
                }
            }
            EXPECT_EQ(got, want);

            for (int32_t channel = 0; channel < layout.hostChannels; ++channel) {
                const std::vector<float>& out = host->output[channel];
                ASSERT_TRUE(
                    std::equal(expected[channel].begin(), expected[channel].end(), out.begin()))
                    << "host output " << channel << " differs from one call of the whole block";
                EXPECT_EQ(out[frames], RenderHarness::kUntouched);
            }
        }
    }
}

TEST_F(RenderLayout, PlugInDeclaringMoreChannelsThanAnyLayoutIsNeverCalled) {
    for (const Layout& layout : {Layout{ChannelLayout::kMaxChannels + 1, 2, 2},
                                 Layout{2, ChannelLayout::kMaxChannels + 1, 2}, Layout{-1, 2, 2}}) {
        EXPECT_EQ(RenderOnce(layout).kind, CallKind::kDispatcher);
        EXPECT_EQ(host->output[0][0], 0.0f);
        Control().ResetLog();
    }
}
