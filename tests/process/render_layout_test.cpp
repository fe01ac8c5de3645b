#include <gtest/gtest.h>

#include <algorithm>
#include <set>
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

TEST_F(RenderLayout, BlockLongerThanTheBuffersIsRefusedOnlyWhenTheLayoutNeedsThem) {
    struct Case {
        Layout layout;
        int32_t frames;
        bool processed;
    };
    constexpr int32_t kMax = ChannelLayout::kMaxFrames;
    for (const Case& c : {Case{{2, 2, 1}, kMax + 1, false}, Case{{4, 2, 2}, kMax + 1, false},
                          Case{{2, 6, 2}, kMax + 1, false}, Case{{2, 2, 1}, kMax, true},
                          Case{{2, 2, 2}, kMax + 1, true}, Case{{1, 1, 2}, kMax + 1, true}}) {
        SCOPED_TRACE(testing::Message()
                     << c.layout.pluginInputs << " in, " << c.layout.pluginOutputs << " out on "
                     << c.layout.hostChannels << ", " << c.frames << " frames");
        const Call call = RenderOnce(c.layout, c.frames);
        EXPECT_EQ(call.kind == CallKind::kProcessReplacing, c.processed);
        for (int32_t channel = 0; channel < c.layout.hostChannels; ++channel) {
            const std::vector<float>& out = host->output[channel];
            if (c.processed) {
                EXPECT_EQ(out[c.frames - 1],
                          PlugInOutput(c.layout, channel % c.layout.pluginOutputs, c.frames - 1));
            } else {
                EXPECT_EQ(std::count(out.begin(), out.begin() + c.frames, 0.0f), c.frames)
                    << "a refused block leaves silence, not stale data";
            }
            EXPECT_EQ(out[c.frames], RenderHarness::kUntouched);
        }
        Control().ResetLog();
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
