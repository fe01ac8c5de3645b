// The demo plug-in's sound does what its parameters say: gain, tremolo depth, tone, stereo
// phase, bypass, and mono processing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/tools/demo_plugin/demo_host.h"

namespace {

constexpr int32_t kSecond = 44100;
// Measures start after the gain's smoothing and the filter have settled.
constexpr size_t kSettled = 4410;

enum : int32_t { kDepth, kRate, kSync, kDivision, kTone, kGain, kStereoPhase };

float Lowest(const Channel& signal, size_t from = kSettled) {
    return *std::min_element(signal.begin() + from, signal.end());
}

float Highest(const Channel& signal, size_t from = kSettled) {
    return *std::max_element(signal.begin() + from, signal.end());
}

// A fresh started instance with the given parameter values.
Channel RenderMono(std::initializer_list<std::pair<int32_t, float>> settings, const Channel& in) {
    DemoInstance plugin;
    plugin.Start();
    for (const auto& [index, value] : settings) plugin.SetParameter(index, value);
    return plugin.Render({in})[0];
}

TEST(DemoPluginSound, HalvingTheGainHalvesTheLevel) {
    const Channel in = Sine(1000.0, kSecond);
    const Channel unity = RenderMono({{kDepth, 0.0f}, {kGain, 0.5f}}, in);
    const Channel half = RenderMono({{kDepth, 0.0f}, {kGain, 0.25f}}, in);
    EXPECT_NEAR(Rms(unity, kSettled) / Rms(in, kSettled), 1.0, 0.01);
    EXPECT_NEAR(Rms(half, kSettled) / Rms(unity, kSettled), 0.5, 0.001);
}

TEST(DemoPluginSound, DepthSetsHowFarTheTremoloPullsTheLevelDown) {
    const Channel in = Constant(0.5f, kSecond);
    const Channel none = RenderMono({{kDepth, 0.0f}}, in);
    const Channel half = RenderMono({{kDepth, 0.5f}}, in);
    const Channel full = RenderMono({{kDepth, 1.0f}}, in);
    EXPECT_NEAR(Lowest(none), 0.5f, 1e-3f);
    EXPECT_NEAR(Highest(none), 0.5f, 1e-3f);
    EXPECT_NEAR(Lowest(half), 0.25f, 0.01f);
    EXPECT_NEAR(Highest(half), 0.5f, 0.01f);
    EXPECT_NEAR(Lowest(full), 0.0f, 0.01f);
    EXPECT_NEAR(Highest(full), 0.5f, 0.01f);
}

TEST(DemoPluginSound, RateSetsTheNumberOfTremoloCycles) {
    // Rate 0.5 is 0.1 Hz * 200^0.5 = 1.414 Hz; rate 0.7 is 4.07 Hz.
    const Channel in = Constant(0.5f, 2 * kSecond);
    EXPECT_EQ(Troughs(RenderMono({{kDepth, 1.0f}, {kRate, 0.5f}}, in), 0.5f).size(), 3u);
    EXPECT_EQ(Troughs(RenderMono({{kDepth, 1.0f}, {kRate, 0.7f}}, in), 0.5f).size(), 8u);
}

TEST(DemoPluginSound, ToneLowersTheCutoffOfTheFilter) {
    // Tone 0.3 puts the cutoff at 20 Hz * 1000^0.3 = 159 Hz.
    const Channel low = Sine(50.0, kSecond);
    const Channel high = Sine(5000.0, kSecond);
    const auto gainOf = [](const Channel& in, float tone) {
        return Rms(RenderMono({{kDepth, 0.0f}, {kTone, tone}}, in), kSettled) / Rms(in, kSettled);
    };
    EXPECT_GT(gainOf(low, 0.3f), 0.9);
    EXPECT_LT(gainOf(high, 0.3f), 0.05);
    EXPECT_GT(gainOf(high, 1.0f), 0.9);
}

TEST(DemoPluginSound, StereoPhaseOfHalfACycleMovesTheChannelsInOpposition) {
    DemoInstance plugin;
    plugin.Start();
    plugin.SetParameter(kDepth, 1.0f);
    plugin.SetParameter(kStereoPhase, 1.0f);
    const std::vector<Channel> out =
        plugin.Render({Constant(0.5f, kSecond), Constant(0.5f, kSecond)});
    EXPECT_LT(Lowest(out[0]), 0.05f);
    EXPECT_GT(Highest(out[0]), 0.45f);
    for (size_t i = kSettled; i < out[0].size(); i += 100) {
        ASSERT_NEAR(out[0][i] + out[1][i], 0.5f, 0.02f) << "at frame " << i;
    }
}

TEST(DemoPluginSound, BypassPassesTheInputThroughUnchanged) {
    DemoInstance plugin;
    plugin.Start();
    plugin.SetParameter(kDepth, 1.0f);
    plugin.SetParameter(kTone, 0.2f);
    plugin.SetParameter(kGain, 0.1f);
    const std::vector<Channel> in = {Sine(440.0, kSecond / 4), Sine(660.0, kSecond / 4, 0.3f)};
    EXPECT_EQ(plugin.Dispatch(effSetBypass, 0, 1), 1);
    EXPECT_EQ(plugin.Render(in), in);
    plugin.Dispatch(effSetBypass, 0, 0);
    const std::vector<Channel> processed = plugin.Render(in);
    EXPECT_LT(Rms(processed[0]), 0.5 * Rms(in[0]));
}

TEST(DemoPluginSound, MonoHostGetsTheLeftChannelOfTheStereoResult) {
    const Channel in = Sine(300.0, kSecond / 4);
    const Channel mono = RenderMono({{kDepth, 0.8f}}, in);
    DemoInstance stereo;
    stereo.Start();
    stereo.SetParameter(kDepth, 0.8f);
    EXPECT_EQ(stereo.Render({in, Constant(0.0f, kSecond / 4)})[0], mono);
}

TEST(DemoPluginSound, ProcessingInPlaceGivesTheSameResult) {
    const Channel in = Sine(300.0, 2048);
    const Channel expected = RenderMono({{kDepth, 0.8f}}, in);
    DemoInstance plugin;
    plugin.Start();
    plugin.SetParameter(kDepth, 0.8f);
    Channel buffer = in;
    for (int32_t first = 0; first < 2048; first += 256) {
        float* block[2] = {buffer.data() + first, nullptr};
        plugin.Effect()->processReplacing(plugin.Effect(), block, block, 256);
    }
    EXPECT_EQ(buffer, expected);
}

}  // namespace
