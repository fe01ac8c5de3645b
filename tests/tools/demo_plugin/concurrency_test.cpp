// The demo plug-in's values change from other threads while the audio thread processes:
// parameter changes and chunk restores land whole and the audio stays finite.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

#include "tests/tools/demo_plugin/demo_host.h"

namespace {

TEST(DemoPluginConcurrency, ParametersAndChunksChangeWhileAudioRuns) {
    DemoInstance plugin;
    plugin.Start();
    plugin.SetParameter(0, 1.0f);
    const std::vector<unsigned char> first = plugin.Chunk();
    plugin.SetParameter(5, 0.1f);
    plugin.SetParameter(2, 1.0f);
    std::vector<unsigned char> second = plugin.Chunk();
    std::vector<unsigned char> restore = first;

    std::atomic<bool> done{false};
    std::atomic<int> blocks{0};
    std::thread audio([&] {
        const std::vector<Channel> in = {Sine(220.0, 256), Sine(330.0, 256)};
        bool finite = true;
        while (!done.load()) {
            for (const Channel& channel : plugin.Render(in, 64)) {
                for (float sample : channel) finite = finite && std::isfinite(sample);
            }
            ++blocks;
        }
        EXPECT_TRUE(finite);
    });

    for (int round = 0; round < 500; ++round) {
        plugin.SetParameter(round % 7, static_cast<float>(round % 11) / 10.0f);
        std::vector<unsigned char>& chunk = round % 2 == 0 ? restore : second;
        EXPECT_EQ(
            plugin.Dispatch(effSetChunk, 0, static_cast<intptr_t>(chunk.size()), chunk.data()), 1);
        // Let the audio thread run at least once between rounds, however the threads are
        // scheduled.
        const int seen = blocks.load();
        while (blocks.load() == seen) std::this_thread::yield();
    }
    done = true;
    audio.join();
    EXPECT_EQ(plugin.Chunk(), second);
}

}  // namespace
