#include "tools/demo-plugin/tremolo_chain.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/demo-plugin/parameter_scales.h"

namespace vq318demo {
namespace {

// The gain moves to a new value with this time constant, so that changes do not click.
constexpr double kGainSmoothingSeconds = 0.01;
// Filter states this small are flushed, so that silence does not decay into denormal numbers.
constexpr double kDenormalFloor = 1e-30;

double Wrap(double cycles) {
    return cycles - std::floor(cycles);
}

// 1 at the start of a cycle, 1 - depth half a cycle later.
double TremoloGain(double depth, double phase) {
    return 1.0 - depth * (0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * phase));
}

}  // namespace

void TremoloChain::Reset(const float (&values)[kParameterCount]) {
    filterState_[0] = 0.0;
    filterState_[1] = 0.0;
    gainState_ = GainFactor(values[kGain]);
}

void TremoloChain::Process(const float* const inputs[2], float* const outputs[2], int32_t frames,
                           const float (&values)[kParameterCount], const BlockTiming& timing,
                           const int32_t* restarts, int32_t restartCount) {
    const double rate = timing.sampleRate > 0.0 ? timing.sampleRate : 44100.0;
    const double tempo = timing.tempoValid ? timing.tempo : kDefaultTempo;
    const bool synced = StepOf(kSync, values[kSync]) != 0;
    const double cyclesPerQuarter = CyclesPerQuarter(StepOf(kDivision, values[kDivision]));
    const double quartersPerFrame = tempo / 60.0 / rate;
    const double cyclesPerFrame =
        synced ? cyclesPerQuarter * quartersPerFrame : RateHz(values[kRate]) / rate;
    const bool songLocked = synced && timing.ppqValid;
    if (songLocked) phase_ = Wrap((timing.ppqPos - ppqAnchor_) * cyclesPerQuarter);

    const double depth = values[kDepth];
    const double offsets[2] = {0.0, PhaseOffsetCycles(values[kStereoPhase])};
    const double coefficient =
        1.0 -
        std::exp(-2.0 * std::numbers::pi * std::min(CutoffHz(values[kTone]), 0.45 * rate) / rate);
    const double gainTarget = GainFactor(values[kGain]);
    const double gainStep = 1.0 - std::exp(-1.0 / (kGainSmoothingSeconds * rate));

    int32_t nextRestart = 0;
    for (int32_t frame = 0; frame < frames; ++frame) {
        while (nextRestart < restartCount && restarts[nextRestart] <= frame) {
            phase_ = 0.0;
            if (songLocked) ppqAnchor_ = timing.ppqPos + frame * quartersPerFrame;
            ++nextRestart;
        }
        gainState_ += gainStep * (gainTarget - gainState_);
        for (int channel = 0; channel < 2; ++channel) {
            float* out = outputs[channel];
            const float* in = inputs[channel] != nullptr ? inputs[channel] : inputs[0];
            if (out == nullptr || in == nullptr) continue;
            double& state = filterState_[channel];
            const double modulated = in[frame] * TremoloGain(depth, phase_ + offsets[channel]);
            state += coefficient * (modulated - state);
            if (std::fabs(state) < kDenormalFloor) state = 0.0;
            out[frame] = static_cast<float>(state * gainState_);
        }
        phase_ = Wrap(phase_ + cyclesPerFrame);
    }
}

}  // namespace vq318demo
