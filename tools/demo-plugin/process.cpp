// processReplacing: a block of audio through the demo plug-in.
#include <algorithm>
#include <cmath>

#include "tools/demo-plugin/instance.h"

namespace vq318demo {
namespace {

constexpr double kMinTempo = 1.0;
constexpr double kMaxTempo = 999.0;

// Asks the host where the block lies in time; fields it does not vouch for keep their defaults.
BlockTiming AskTime(Instance& instance) {
    BlockTiming timing;
    timing.sampleRate = instance.sampleRate.load(std::memory_order_relaxed);
    const intptr_t answer =
        CallHost(instance, audioMasterGetTime, 0, kVstTempoValid | kVstPpqPosValid, nullptr, 0.0f);
    if (answer == 0) return timing;
    const auto* info = reinterpret_cast<const VstTimeInfo*>(answer);
    if ((info->flags & kVstTempoValid) != 0 && std::isfinite(info->tempo) && info->tempo > 0.0) {
        timing.tempoValid = true;
        timing.tempo = std::clamp(info->tempo, kMinTempo, kMaxTempo);
    }
    if ((info->flags & kVstPpqPosValid) != 0 && std::isfinite(info->ppqPos)) {
        timing.ppqValid = true;
        timing.ppqPos = info->ppqPos;
    }
    return timing;
}

void CopyThrough(const float* const inputs[2], float* const outputs[2], int32_t frames) {
    for (int channel = 0; channel < 2; ++channel) {
        const float* in = inputs[channel] != nullptr ? inputs[channel] : inputs[0];
        float* out = outputs[channel];
        if (in != nullptr && out != nullptr && in != out) std::copy_n(in, frames, out);
    }
}

}  // namespace

void ProcessReplacing(AEffect* effect, float** inputs, float** outputs, int32_t frames) {
    Instance& instance = InstanceOf(effect);
    if (inputs != nullptr && outputs != nullptr && frames > 0) {
        const BlockTiming timing = AskTime(instance);
        const float* const in[2] = {inputs[0], inputs[1]};
        float* const out[2] = {outputs[0], outputs[1]};
        if (instance.bypassed.load(std::memory_order_relaxed)) {
            CopyThrough(in, out, frames);
        } else {
            float values[kParameterCount];
            instance.parameters.Snapshot(values);
            instance.chain.Process(in, out, frames, values, timing, instance.restarts.Frames(),
                                   instance.restarts.Count());
        }
    }
    instance.restarts.Clear();
}

}  // namespace vq318demo
