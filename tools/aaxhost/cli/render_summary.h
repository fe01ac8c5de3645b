// The closing summary of `aaxhost render`: peak and RMS levels of the input and the output, and
// the time the blocks took against their real-time budget.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace aaxhost {

struct Levels {
    double peak = 0.0;  // largest magnitude, linear
    double rms = 0.0;   // over every sample of every channel
};

Levels MeasureLevels(const std::vector<std::vector<float>>& channels);

struct BlockTimes {
    size_t blocks = 0;
    double meanSeconds = 0.0;
    double maxSeconds = 0.0;
    double budgetSeconds = 0.0;  // the real time one block's frames last
};

// `seconds` holds the time each block took to render.
BlockTimes SummarizeBlockTimes(const std::vector<double>& seconds, int32_t blockFrames,
                               double sampleRate);

// "-6.02 dBFS", or "-inf dBFS" for silence.
std::string DecibelText(double linear);

// Three lines:
//   input:  peak -6.02 dBFS, RMS -9.03 dBFS
//   output: peak -12.04 dBFS, RMS -15.05 dBFS
//   blocks: 100 of 512 frames, mean 0.020 ms, max 0.100 ms, budget 11.610 ms (0.2 % mean, 0.9 %
//   max)
std::string FormatSummary(const Levels& input, const Levels& output, const BlockTimes& times,
                          int32_t blockFrames);

}  // namespace aaxhost
