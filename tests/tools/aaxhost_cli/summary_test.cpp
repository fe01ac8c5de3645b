// The render summary's levels and block times, and the progress bar that only a terminal sees.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "tools/aaxhost/cli/progress_bar.h"
#include "tools/aaxhost/cli/render_summary.h"

namespace {

TEST(RenderSummary, LevelsAreThePeakAndRmsOfEveryChannel) {
    const aaxhost::Levels levels = aaxhost::MeasureLevels({{0.5f, -0.5f}, {-1.0f, 0.0f}});
    EXPECT_EQ(levels.peak, 1.0);
    EXPECT_DOUBLE_EQ(levels.rms, std::sqrt((0.25 + 0.25 + 1.0) / 4.0));
    const aaxhost::Levels silence = aaxhost::MeasureLevels({});
    EXPECT_EQ(silence.peak, 0.0);
    EXPECT_EQ(silence.rms, 0.0);
}

TEST(RenderSummary, DecibelsAreRelativeToFullScale) {
    EXPECT_EQ(aaxhost::DecibelText(1.0), "0.00 dBFS");
    EXPECT_EQ(aaxhost::DecibelText(0.5), "-6.02 dBFS");
    EXPECT_EQ(aaxhost::DecibelText(0.0), "-inf dBFS");
    EXPECT_EQ(aaxhost::DecibelText(std::nan("")), "-inf dBFS");
}

TEST(RenderSummary, BlockTimesAreSetAgainstTheRealTimeBudget) {
    const aaxhost::BlockTimes times =
        aaxhost::SummarizeBlockTimes({0.001, 0.003, 0.002}, 480, 48000.0);
    EXPECT_EQ(times.blocks, 3u);
    EXPECT_DOUBLE_EQ(times.meanSeconds, 0.002);
    EXPECT_EQ(times.maxSeconds, 0.003);
    EXPECT_DOUBLE_EQ(times.budgetSeconds, 0.01);
    EXPECT_EQ(aaxhost::FormatSummary({0.5, 0.25}, {1.0, 0.0}, times, 480),
              "input:  peak -6.02 dBFS, RMS -12.04 dBFS\n"
              "output: peak 0.00 dBFS, RMS -inf dBFS\n"
              "blocks: 3 of 480 frames, mean 2.000 ms, max 3.000 ms, budget 10.000 ms "
              "(20.0 % mean, 30.0 % max)\n");
}

TEST(ProgressBar, DrawsInPlaceOnlyWhenThePercentageChanges) {
    std::ostringstream out;
    aaxhost::ProgressBar bar(out, true, 10);
    bar.Update(0.0);
    bar.Update(0.001);
    bar.Update(0.5);
    bar.Update(7.0);
    bar.Finish();
    bar.Update(0.2);
    EXPECT_EQ(out.str(),
              "\r[----------]   0 %"
              "\r[#####-----]  50 %"
              "\r[##########] 100 %"
              "\n");
}

TEST(ProgressBar, DrawsNothingWhenNotOnATerminal) {
    std::ostringstream out;
    aaxhost::ProgressBar bar(out, false);
    bar.Update(0.5);
    bar.Finish();
    EXPECT_EQ(out.str(), "");
}

}  // namespace
