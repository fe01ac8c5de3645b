// The demo plug-in's sound: a tremolo (free-running or locked to the host's tempo and song
// position) feeding a one-pole low-pass tone filter and a smoothed output gain, on one or two
// channels. [audio-thread]: one thread at a time calls it; it allocates nothing.
#pragma once

#include <cstdint>

#include "tools/demo-plugin/parameter_table.h"

namespace vq318demo {

// What the host told about time for this block.
struct BlockTiming {
    double sampleRate = 44100.0;
    bool tempoValid = false;
    double tempo = 120.0;  // quarter notes per minute
    bool ppqValid = false;
    double ppqPos = 0.0;  // song position of the block's first frame, in quarter notes
};

class TremoloChain {
  public:
    static constexpr double kDefaultTempo = 120.0;

    // Forgets the filter state and lets the gain start at its value without a ramp.
    void Reset(const float (&values)[kParameterCount]);

    // Processes `frames` frames of the two channels. A null input channel takes channel 0's
    // input; a null output channel is skipped (a mono host passes null for the second).
    // `restarts` lists frame offsets, ascending, at which the tremolo cycle starts again.
    void Process(const float* const inputs[2], float* const outputs[2], int32_t frames,
                 const float (&values)[kParameterCount], const BlockTiming& timing,
                 const int32_t* restarts, int32_t restartCount);

  private:
    double phase_ = 0.0;
    // Song position at which the cycle last started again: with a valid position the phase is
    // counted from it, so a restart holds across blocks and the tremolo stays on the beat.
    double ppqAnchor_ = 0.0;
    double filterState_[2] = {0.0, 0.0};
    double gainState_ = 1.0;
};

}  // namespace vq318demo
