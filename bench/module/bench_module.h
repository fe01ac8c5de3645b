// The set-up the module benchmarks share: the test plug-in installed where the module finds it,
// scripted, and the module opened through its exports.
#pragma once

#include <memory>
#include <vector>

#include "abi/vst2.h"
#include "tests/support/test_plugin_api.h"
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

}  // namespace bench
