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

// Requests from another thread than the render thread's read a consistent copy of the last
// block's transport: never a block half written, and never a change of the stop detection.
TEST_F(RenderHandover, TimeRequestsFromAnotherThreadSeeAConsistentTransport) {
    testplugin::Script script = testplugin::DefaultScript();
    script.recording = 0;  // blocks run for as long as the requests take
    Load(script);
    host->transport.playing = true;
    host->transport.tempo = 140.0;
    host->transport.numerator = 3;
    host->transport.denominator = 4;
    host->transport.bars = 5;
    // A plug-in that has asked for the time has the transport copied at the start of each block.
    Control().CallHost(Effect(), audioMasterGetTime, 0, 0);

    RenderThread renderer(*host, 0, std::chrono::microseconds(50));
    renderer.WaitForBlocks(1);
    for (int32_t request = 0; request < 20'000; ++request) {
        const auto* time = reinterpret_cast<const VstTimeInfo*>(
            Control().CallHost(Effect(), audioMasterGetTime, 0, kVstTempoValid));
        ASSERT_NE(time, nullptr);
        ASSERT_EQ(time->flags & (kVstTransportPlaying | kVstTempoValid | kVstTimeSigValid),
                  kVstTransportPlaying | kVstTempoValid | kVstTimeSigValid);
        ASSERT_EQ(time->tempo, 140.0);
        ASSERT_EQ(time->timeSigNumerator, 3);
        ASSERT_EQ(time->timeSigDenominator, 4);
        ASSERT_NE(time, &CallBack().timeInfo) << "a record of the requesting thread's own";
    }
    renderer.Stop();
    EXPECT_EQ(CallBack().wasPlaying.load(), 0) << "only the render thread's requests move it";
}

// The editor thread asks between the stop block and the render thread's own request: only the
// render thread's request reports the stop, once.
TEST_F(RenderHandover, AStopIsReportedOnceFromTheRenderThreadOnly) {
    Load();
    std::atomic<int> phase{0};
    uint32_t renderThread = 0;
    std::thread renderer([&] {
        renderThread = platform::CurrentThreadId();
        Control().CallHost(Effect(), audioMasterGetTime, 0, 0);
        host->transport.playing = true;
        host->Render();
        Control().CallHost(Effect(), audioMasterGetTime, 0, 0);
        host->transport.playing = false;
        host->Render();
        phase.store(1);
        while (phase.load() != 2) std::this_thread::yield();
        Control().CallHost(Effect(), audioMasterGetTime, 0, 0);
    });
    while (phase.load() != 1) std::this_thread::yield();
    const auto* time = reinterpret_cast<const VstTimeInfo*>(
        Control().CallHost(Effect(), audioMasterGetTime, 0, 0));
    EXPECT_EQ(time->flags & kVstTransportPlaying, 0);
    phase.store(2);
    renderer.join();

    std::vector<Call> notesOff;
    for (const Call& call : Calls()) {
        if (call.kind == CallKind::kDispatcher && call.opcode == effProcessEvents) {
            notesOff.push_back(call);
        }
    }
    ASSERT_EQ(notesOff.size(), 1u);
    EXPECT_EQ(notesOff[0].thread, renderThread);
    EXPECT_EQ(static_cast<unsigned char>(notesOff[0].event.midiData[0]), 0xB0);
}
