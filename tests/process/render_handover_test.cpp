// The render thread meets the host's other threads: the bridge handed over through the posted
// pointer and flag, and time requests from a non-real-time thread while blocks run.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "platform/platform.h"
#include "tests/process/render_fixture.h"

using testplugin::Call;
using testplugin::CallKind;

namespace {

// Renders blocks on its own thread until stopped, or until the plug-in has written `limit`
// blocks of audio (its output replaces what the host put there). Between blocks it waits
// `pause`, as an audio thread waits for the next buffer.
class RenderThread {
  public:
    explicit RenderThread(RenderHarness& host, int32_t limit = 0,
                          std::chrono::microseconds pause = std::chrono::microseconds(0))
        : thread_([this, &host, limit, pause] {
              id_ = platform::CurrentThreadId();
              idKnown_.store(true);
              int32_t processed = 0;
              while (!stop_.load()) {
                  host.Render();
                  ++blocks_;
                  if (host.output[0][0] != RenderHarness::kUntouched && ++processed == limit) {
                      return;
                  }
                  if (pause.count() > 0) std::this_thread::sleep_for(pause);
              }
          }) {}
    ~RenderThread() { Stop(); }

    void WaitForBlocks(int64_t count) const {
        const int64_t target = blocks_.load() + count;
        while (blocks_.load() < target) std::this_thread::yield();
    }
    void Stop() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }
    void Join() {
        if (thread_.joinable()) thread_.join();
    }
    uint32_t Id() const {
        while (!idKnown_.load()) std::this_thread::yield();
        return id_;
    }

  private:
    std::atomic<bool> stop_{false};
    std::atomic<int64_t> blocks_{0};
    uint32_t id_ = 0;
    std::atomic<bool> idKnown_{false};
    std::thread thread_;
};

class RenderHandover : public RenderTest {};

}  // namespace

TEST_F(RenderHandover, BridgePostedBeforeTheFlagIsPickedUpByTheRenderThread) {
    Load();
    host->Post(nullptr, 0);
    host->transport.playing = true;
    host->SetMidiPackets({Packet(3, 0x90, 60, 100)});

    RenderThread renderer(*host, 20);
    const uint32_t renderThread = renderer.Id();
    renderer.WaitForBlocks(20);
    EXPECT_TRUE(Calls().empty()) << "nothing reaches the plug-in before the flag";
    host->Post(&instance->bridge, 1);
    renderer.Join();

    const std::vector<Call> calls = Calls();
    ASSERT_EQ(calls.size(), 40u);
    for (const Call& call : calls) EXPECT_EQ(call.thread, renderThread);
    EXPECT_EQ(calls[0].opcode, effProcessEvents);
    EXPECT_EQ(calls.back().kind, CallKind::kProcessReplacing);
    EXPECT_EQ(host->output[1][5], host->input[1][5]);
}

TEST_F(RenderHandover, TimeRequestsFromAnotherThreadSeeWholeTransportValues) {
    testplugin::Script script = testplugin::DefaultScript();
    script.recording = 0;  // blocks run for as long as the requests take
    Load(script);
    host->transport.playing = true;
    host->transport.tempo = 140.0;
    host->transport.numerator = 3;
    host->transport.denominator = 4;
    host->transport.bars = 5;

    RenderThread renderer(*host, 0, std::chrono::microseconds(50));
    renderer.WaitForBlocks(1);
    // A request that falls inside a block finds the block's flags not yet set again.
    constexpr int32_t kWanted = 200;
    int32_t withTempo = 0;
    for (int64_t request = 0; request < 10'000'000 && withTempo < kWanted; ++request) {
        const auto* time = reinterpret_cast<const VstTimeInfo*>(
            Control().CallHost(Effect(), audioMasterGetTime, 0, kVstTempoValid));
        ASSERT_NE(time, nullptr);
        ASSERT_NE(time->flags & kVstTransportPlaying, 0);
        if ((time->flags & kVstTempoValid) != 0) {
            ++withTempo;
            ASSERT_EQ(time->tempo, 140.0);
        }
        if ((time->flags & kVstTimeSigValid) != 0) {
            ASSERT_EQ(time->timeSigNumerator, 3);
            ASSERT_EQ(time->timeSigDenominator, 4);
        }
    }
    renderer.Stop();
    EXPECT_EQ(withTempo, kWanted);
    EXPECT_EQ(CallBack().wasPlaying.load(), 1);
}
