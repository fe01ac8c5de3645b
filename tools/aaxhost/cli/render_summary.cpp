#include "tools/aaxhost/cli/render_summary.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

namespace aaxhost {

Levels MeasureLevels(const std::vector<std::vector<float>>& channels) {
    Levels levels;
    double sum = 0.0;
    size_t count = 0;
    for (const std::vector<float>& channel : channels) {
        for (float sample : channel) {
            const double value = sample;
            levels.peak = std::max(levels.peak, std::fabs(value));
            sum += value * value;
        }
        count += channel.size();
    }
    levels.rms = count > 0 ? std::sqrt(sum / static_cast<double>(count)) : 0.0;
    return levels;
}

BlockTimes SummarizeBlockTimes(const std::vector<double>& seconds, int32_t blockFrames,
                               double sampleRate) {
    BlockTimes times;
    times.blocks = seconds.size();
    if (!seconds.empty()) {
        times.meanSeconds = std::accumulate(seconds.begin(), seconds.end(), 0.0) /
                            static_cast<double>(seconds.size());
        times.maxSeconds = *std::max_element(seconds.begin(), seconds.end());
    }
    times.budgetSeconds = sampleRate > 0.0 ? blockFrames / sampleRate : 0.0;
    return times;
}

std::string DecibelText(double linear) {
    if (!(linear > 0.0)) return "-inf dBFS";
    char text[32];
    std::snprintf(text, sizeof text, "%.2f dBFS", 20.0 * std::log10(linear));
    return text;
}

std::string FormatSummary(const Levels& input, const Levels& output, const BlockTimes& times,
                          int32_t blockFrames) {
    const auto percent = [&](double seconds) {
        return times.budgetSeconds > 0.0 ? 100.0 * seconds / times.budgetSeconds : 0.0;
    };
    char blocks[256];
    std::snprintf(blocks, sizeof blocks,
                  "blocks: %zu of %d frames, mean %.3f ms, max %.3f ms, budget %.3f ms "
                  "(%.1f %% mean, %.1f %% max)",
                  times.blocks, static_cast<int>(blockFrames), 1000.0 * times.meanSeconds,
                  1000.0 * times.maxSeconds, 1000.0 * times.budgetSeconds,
                  percent(times.meanSeconds), percent(times.maxSeconds));
    return "input:  peak " + DecibelText(input.peak) + ", RMS " + DecibelText(input.rms) +
           "\noutput: peak " + DecibelText(output.peak) + ", RMS " + DecibelText(output.rms) +
           "\n" + blocks + "\n";
}

}  // namespace aaxhost
