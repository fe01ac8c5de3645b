// A second-order low-pass filter (transposed direct form II): the test plug-in's light DSP for
// measuring the wrapper's cost against a real per-sample workload.
#pragma once

#include <cstdint>

namespace testplugin {

class Biquad {
  public:
    void Process(const float* input, float* output, int32_t frames) {
        for (int32_t i = 0; i < frames; ++i) {
            const float x = input[i];
            const float y = kB0 * x + z1_;
            z1_ = kB1 * x - kA1 * y + z2_;
            z2_ = kB2 * x - kA2 * y;
            output[i] = y;
        }
    }

  private:
    // 1 kHz cut-off at 48 kHz, Q 0.707.
    static constexpr float kB0 = 0.003916f;
    static constexpr float kB1 = 0.007832f;
    static constexpr float kB2 = 0.003916f;
    static constexpr float kA1 = -1.815341f;
    static constexpr float kA2 = 0.831006f;
    float z1_ = 0.0f;
    float z2_ = 0.0f;
};

}  // namespace testplugin
