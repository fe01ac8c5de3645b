// The wrapper's effect-parameters object over the test plug-in, found through the registry,
// created and driven through its interface by the stand-in host, with the plug-in's calls
// recorded.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "parameters/aaxwrapper_parameters.h"
#include "process/render_callback.h"
#include "tests/support/effect_host.h"
#include "tests/support/hosted_effect.h"
#include "tests/support/plugin_test_fixture.h"

// Plug-in parameters that cover each way of mirroring:
//   0 "drive": properties, label Drive, short label Drv, value 0.4 -> continuous, 65 steps
//   1 "hidden": cannot be automated                                 -> no AAX parameter
//   2 "mode": a switch with 2 steps, value 1.0                      -> bool, "off"/"on"
//   3 "steps": a switch with 5 steps, value 0.5                     -> float with 5 steps
//   4 "plain": no properties, name Plain, value 0.25                 -> continuous, 65 steps
inline testplugin::Script MirrorScript(int32_t numParams = 5) {
    testplugin::Script script = testplugin::DefaultScript();
    script.numParams = numParams;
    auto set = [&](int32_t index, const char* id, float value, bool automatable) {
        testplugin::Parameter& p = script.parameters[index];
        std::strcpy(p.identifier, id);
        p.value = value;
        p.automatable = automatable ? 1 : 0;
    };
    auto properties = [&](int32_t index, const char* label, const char* shortLabel, int32_t flags,
                          int32_t steps) {
        testplugin::Parameter& p = script.parameters[index];
        p.hasProperties = 1;
        std::strcpy(p.properties.label, label);
        std::strcpy(p.properties.shortLabel, shortLabel);
        p.properties.flags = flags;
        p.properties.stepInteger = steps;
    };
    set(0, "drive", 0.4f, true);
    properties(0, "Drive", "Drv", 0, 0);
    set(1, "hidden", 0.9f, false);
    set(2, "mode", 1.0f, true);
    properties(2, "Mode", "", kVstParameterIsSwitch, 2);
    set(3, "steps", 0.5f, true);
    properties(3, "Steps", "", kVstParameterIsSwitch, 5);
    set(4, "plain", 0.25f, true);
    std::strcpy(script.parameters[4].name, "Plain");
    return script;
}

class WrapperTest : public PluginTest {
  protected:
    void TearDown() override {
        if (effect_ && effect_->get() != nullptr) {
            (*effect_)->Uninitialize();
            EXPECT_EQ(effect_->Release(), 0u);
        }
        EXPECT_TRUE(host_.ReferencesReturned());
        PluginTest::TearDown();
    }

    // Makes the object as the creation procedure does, with the plug-in scripted first, and
    // forgets the calls made so far.
    void Create(const testplugin::Script& script = MirrorScript()) {
        Control().SetScript(script);
        object_ = new AAXWrapper_Parameters;
        effect_ = std::make_unique<HostedEffect>(
            static_cast<IACFUnknown*>(static_cast<AAX_IACFEffectParameters_V2*>(object_)));
        Control().ResetLog();
    }
    void Initialize(aaxhost::SetRequestAnswer answer = aaxhost::SetRequestAnswer::kQueued) {
        host_.automation.AnswerSetRequests(effect_->get(), answer);
        ASSERT_EQ((*effect_)->Initialize(host_.Unknown()), AAX_SUCCESS);
    }
    void CreateAndInitialize(const testplugin::Script& script = MirrorScript()) {
        Create(script);
        Initialize();
        Control().ResetLog();
    }

    AEffect* Effect() const { return object_->GetVstInterface()->effect; }
    std::vector<testplugin::Call> PluginCalls() const { return Control().CallsTo(Effect()); }
    std::vector<aaxhost::Call> AutomationCalls() { return host_.automation.Log().Calls(); }
    // The packets posted so far, as (field, size).
    std::vector<std::pair<int64_t, int64_t>> Posts() {
        std::vector<std::pair<int64_t, int64_t>> posts;
        for (const aaxhost::Call& call : host_.controller.Log().Calls()) {
            if (call.slot != 12) continue;
            posts.emplace_back(std::get<int64_t>(call.arguments[0]),
                               std::get<int64_t>(call.arguments[2]));
        }
        return posts;
    }

    // Two channels of 16 frames each way, which AttachBlock hands to the algorithm context.
    struct Block {
        float input[2][16] = {};
        float output[2][16] = {};
        float* inputs[2] = {input[0], input[1]};
        float* outputs[2] = {output[0], output[1]};
        int32_t frames = 16;
    };
    void AttachBlock(Block& block) {
        host_.context.audioInputs = block.inputs;
        host_.context.audioOutputs = block.outputs;
        host_.context.bufferLength = &block.frames;
    }
    // One block of the attached buffers through the render callback, on this thread.
    void Render() {
        AlgorithmContext* const instances[1] = {&host_.context};
        RenderCallback(instances, instances + 1);
    }

    EffectHost host_;
    AAXWrapper_Parameters* object_ = nullptr;
    std::unique_ptr<HostedEffect> effect_;
};
