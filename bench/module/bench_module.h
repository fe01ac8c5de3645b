// The set-up the module benchmarks share: the test plug-in installed where the module finds it,
// scripted, and the module opened through its exports; and the render measurements that both the
// benchmark library's program and the plain timing program run.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "abi/vst2.h"
#include "tests/support/test_plugin_api.h"
#include "tools/aaxhost/objects/algorithm_nodes.h"
#include "tools/aaxhost/session/effect_instance.h"
#include "tools/aaxhost/session/module_session.h"

namespace bench {

// A script with `parameters` automatable parameters, each named as the generated ones are.
testplugin::Script ScriptWith(int32_t parameters, testplugin::Dsp dsp);

// Installs the plug-in (once a process) and gives instances made from now on `script`.
void UseScript(const testplugin::Script& script);

// The module opened; throws when it does not open.
std::unique_ptr<aaxhost::ModuleSession> OpenModule();

// A stereo instance of the module's effect; throws when it is not ready.
std::unique_ptr<aaxhost::EffectInstance> MakeInstance(
    aaxhost::ModuleSession& module,
    aaxhost::SetRequestAnswer answer = aaxhost::SetRequestAnswer::kQueued);

// A plug-in instance made by the installed plug-in's entry point for a host that answers nothing:
// the baseline the module is measured against.
AEffect* MakeDirectEffect();

// Stereo buffers of `frames` samples, the input a quiet ramp.
struct StereoBlock {
    explicit StereoBlock(int32_t frames);
    std::vector<float> in[2];
    std::vector<float> out[2];
    const float* inputs[2];
    float* outputs[2];
    float* mutableInputs[2];
};

// Makes the compiler write out every store before it and read memory anew after it, so that a
// timed loop cannot drop or merge the work of its iterations; it emits no instruction.
inline void ClobberMemory() {
    asm volatile("" : : : "memory");
}

// Stereo instances of the module with a playing transport and an empty MIDI input, each with its
// block's buffers, rendering a block either through the module or by the plug-in directly.
class RenderFixture {
  public:
    RenderFixture(int64_t instanceCount, int32_t blockFrames);
    ~RenderFixture();
    RenderFixture(const RenderFixture&) = delete;
    RenderFixture& operator=(const RenderFixture&) = delete;

    // The baseline: the plug-in instances inside the module called directly, on the same buffers,
    // so that only the module's path differs.
    void RenderDirect() {
        for (size_t i = 0; i < effects.size(); ++i) {
            effects[i]->processReplacing(effects[i], blocks[i]->mutableInputs, blocks[i]->outputs,
                                         frames);
        }
        ClobberMemory();
    }
    // All instances in one call of the process procedure, as a workstation calls it.
    void RenderModule() {
        render(contexts.data(), contexts.data() + contexts.size());
        ClobberMemory();
    }

  private:
    const int32_t frames;
    std::unique_ptr<aaxhost::ModuleSession> module;
    std::vector<std::unique_ptr<aaxhost::EffectInstance>> instances;
    std::vector<std::unique_ptr<StereoBlock>> blocks;
    std::vector<AlgorithmContext*> contexts;
    // The plug-in instance inside the module that renders each context.
    std::vector<AEffect*> effects;
    ProcessProc render = nullptr;
};

// The host's own share of a block for a plug-in that does not ask for the time: the MIDI input
// node's buffer of each instance, answered by the stand-in host. Subtracted from the module's
// time, it leaves the module's own cost.
class HostQueries {
  public:
    explicit HostQueries(int64_t instanceCount);

    void Ask() {
        for (const auto& node : nodes) {
            MidiNode& asked = *node;
            const void* buffer = asked.GetNodeBuffer();
            asm volatile("" : : "r"(buffer) : "memory");
        }
    }

  private:
    std::vector<aaxhost::NodeTransport> transports;
    std::vector<std::unique_ptr<aaxhost::HostMidiNode>> nodes;
};

}  // namespace bench
