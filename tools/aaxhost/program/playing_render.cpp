#include "tools/aaxhost/program/playing_render.h"

#include <chrono>
#include <cmath>
#include <numbers>

namespace aaxhost {
namespace {

constexpr int32_t kFrames = 512;
constexpr double kSampleRate = 44100.0;
constexpr double kToneHz = 220.0;
constexpr float kToneLevel = 0.25f;

}  // namespace

PlayingRender::PlayingRender(EffectInstance& instance)
    : mInstance(instance),
      mIn(static_cast<size_t>(instance.Channels()), std::vector<float>(kFrames)),
      mOut(static_cast<size_t>(instance.Channels()), std::vector<float>(kFrames)) {
    mThread = std::thread([this] { Loop(); });
}

PlayingRender::~PlayingRender() {
    mStop.store(true, std::memory_order_release);
    mThread.join();
}

void PlayingRender::Loop() {
    std::vector<const float*> inputs;
    std::vector<float*> outputs;
    for (size_t c = 0; c < mIn.size(); ++c) {
        inputs.push_back(mIn[c].data());
        outputs.push_back(mOut[c].data());
    }
    const auto blockTime = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(kFrames / kSampleRate));
    auto deadline = std::chrono::steady_clock::now();
    double phase = 0.0;
    const double step = 2.0 * std::numbers::pi * kToneHz / kSampleRate;
    while (!mStop.load(std::memory_order_acquire)) {
        for (int32_t frame = 0; frame < kFrames; ++frame) {
            const auto sample = kToneLevel * static_cast<float>(std::sin(phase));
            for (std::vector<float>& channel : mIn) channel[static_cast<size_t>(frame)] = sample;
            phase = std::fmod(phase + step, 2.0 * std::numbers::pi);
        }
        mInstance.Render(inputs.data(), outputs.data(), kFrames);
        mBlocks.fetch_add(1, std::memory_order_release);
        deadline += blockTime;
        std::this_thread::sleep_until(deadline);
    }
}

}  // namespace aaxhost
