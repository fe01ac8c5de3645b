// The render thread meets the host's other threads: the bridge handed over through the posted
// pointer and flag, and time requests from a non-real-time thread while blocks run.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
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

// A thread of the plug-in's own, as its editor or a worker of its own: it asks for the time when
// told to and lives as long as the object, so that its identity stays the same.
class PlugInThread {
  public:
    PlugInThread() : thread_([this] { Run(); }) {}
    ~PlugInThread() {
        {
            std::lock_guard lock(mutex_);
            quit_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }
    PlugInThread(const PlugInThread&) = delete;
    PlugInThread& operator=(const PlugInThread&) = delete;

    // The plug-in's time request on this thread; the answer stays valid until its next request.
    const VstTimeInfo* AskTime(const TestPluginControl& control, AEffect* effect) {
        std::unique_lock lock(mutex_);
        control_ = &control;
        effect_ = effect;
        changed_.notify_all();
        changed_.wait(lock, [this] { return effect_ == nullptr; });
        return answer_;
    }

  private:
    void Run() {
        std::unique_lock lock(mutex_);
        for (;;) {
            changed_.wait(lock, [this] { return quit_ || effect_ != nullptr; });
            if (effect_ == nullptr) return;
            answer_ = reinterpret_cast<const VstTimeInfo*>(
                control_->CallHost(effect_, audioMasterGetTime, 0, kVstPpqPosValid));
            effect_ = nullptr;
            changed_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    const TestPluginControl* control_ = nullptr;
    AEffect* effect_ = nullptr;
    const VstTimeInfo* answer_ = nullptr;
    bool quit_ = false;
    std::thread thread_;
};

class RenderHandover : public RenderTest {
  protected:
    // The plug-in's time request on the render thread (the test's), as from inside its block.
    const VstTimeInfo* AskOnRenderThread() const {
        return reinterpret_cast<const VstTimeInfo*>(
            Control().CallHost(Effect(), audioMasterGetTime, 0, kVstPpqPosValid));
    }
};

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
    // No thread renders yet, and the first block may already be writing the render thread's
    // record.
    ASSERT_NE(Control().CallHost(Effect(), audioMasterGetTime, 0, 0),
              reinterpret_cast<intptr_t>(&CallBack().timeInfo));

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
    EXPECT_EQ(CallBack().WasPlaying(), 1) << "a request from any thread moves it";
}

// Whichever threads ask after the stop block, and in whichever order, the plug-in gets one
// all-notes-off, on the render thread, between the stop block and the next one's audio: at once
// when the render thread finds the stop, else at the start of the next block.
TEST_F(RenderHandover, AStopIsReportedOnceOnTheRenderThreadWhicheverThreadFindsIt) {
    enum Asker { kRender, kOther };
    const std::vector<std::vector<Asker>> rows = {
        {kOther}, {kOther, kOther}, {kOther, kRender}, {kRender, kOther}};
    for (size_t row = 0; row < rows.size(); ++row) {
        SCOPED_TRACE(testing::Message() << "row " << row);
        const std::vector<Asker>& askers = rows[row];
        Load();
        PlugInThread other;
        auto askAll = [&] {
            std::vector<int32_t> flags;
            for (Asker asker : askers) {
                const VstTimeInfo* time =
                    asker == kRender ? AskOnRenderThread() : other.AskTime(Control(), Effect());
                flags.push_back(time != nullptr ? time->flags : -1);
            }
            return flags;
        };
        askAll();
        host->transport.playing = true;
        host->Render();
        for (int32_t flags : askAll())
            EXPECT_EQ(flags & kVstTransportPlaying, kVstTransportPlaying);
        host->transport.playing = false;
        host->Render();
        for (int32_t flags : askAll()) EXPECT_EQ(flags & kVstTransportPlaying, 0);
        host->Render();

        const std::vector<Call> calls = Calls();
        ASSERT_EQ(calls.size(), 4u);
        EXPECT_EQ(calls[0].kind, CallKind::kProcessReplacing);
        EXPECT_EQ(calls[1].kind, CallKind::kProcessReplacing);
        EXPECT_EQ(calls[2].kind, CallKind::kDispatcher);
        EXPECT_EQ(calls[2].opcode, effProcessEvents);
        EXPECT_EQ(calls[2].thread, platform::CurrentThreadId());
        EXPECT_EQ(static_cast<unsigned char>(calls[2].event.midiData[0]), 0xB0);
        EXPECT_EQ(calls[2].event.midiData[1], 0x7B);
        EXPECT_EQ(calls[3].kind, CallKind::kProcessReplacing);
    }
}

// A plug-in that asks for the time only from a thread of its own: the origin fixed at the start
// stays while the transport plays (4/4, playback starting in bar 3: origin 17).
TEST_F(RenderHandover, PositionAdvancesForAPlugInAskingOnlyFromAnotherThread) {
    Load();
    PlugInThread other;
    host->Render();
    other.AskTime(Control(), Effect());
    struct Block {
        int32_t bars, beats;
        int64_t ticks;
        double position;
    };
    for (const Block& block : {Block{3, 1, 0, -4.0}, Block{3, 1, 480000, -3.5}, Block{4, 1, 0, 0.0},
                               Block{4, 2, 240000, 1.25}, Block{6, 1, 0, 8.0}}) {
        SCOPED_TRACE(block.position);
        host->transport.playing = true;
        host->transport.bars = block.bars;
        host->transport.beats = block.beats;
        host->transport.ticks = block.ticks;
        host->Render();
        const VstTimeInfo* time = other.AskTime(Control(), Effect());
        ASSERT_NE(time, nullptr);
        EXPECT_EQ(time->flags & (kVstTransportPlaying | kVstPpqPosValid),
                  kVstTransportPlaying | kVstPpqPosValid);
        EXPECT_EQ(time->ppqPos, block.position);
    }
}

// Records handed to other threads than the render thread belong to one instance and one thread:
// a request for another instance, or from another thread, leaves them as they were.
TEST_F(RenderHandover, TimeRecordsOfOtherThreadsAreKeptPerInstanceAndThread) {
    struct Request {
        int32_t thread, instance;
    };
    const std::vector<std::vector<Request>> rows = {
        {{0, 0}, {0, 1}}, {{0, 1}, {1, 1}}, {{0, 0}, {1, 1}, {0, 1}, {1, 0}, {0, 0}}};
    for (size_t row = 0; row < rows.size(); ++row) {
        SCOPED_TRACE(testing::Message() << "row " << row);
        const std::vector<Request>& requests = rows[row];
        Load();
        BridgeInstance secondInstance;
        ASSERT_NE(secondInstance.bridge.effect, nullptr);
        RenderHarness secondHost(2);
        secondHost.Post(&secondInstance.bridge, 1);
        struct Instance {
            AEffect* effect;
            RenderHarness& host;
            double tempo;
            int32_t numerator;
        };
        const Instance instances[2] = {{Effect(), *host, 100.0, 3},
                                       {secondInstance.bridge.effect, secondHost, 150.0, 5}};
        for (const Instance& each : instances) {
            each.host.transport.tempo = each.tempo;
            each.host.transport.numerator = each.numerator;
            Control().CallHost(each.effect, audioMasterGetTime, 0, 0);
            each.host.Render();
        }

        PlugInThread threads[2];
        std::vector<const VstTimeInfo*> answers;
        for (const Request& request : requests) {
            answers.push_back(
                threads[request.thread].AskTime(Control(), instances[request.instance].effect));
        }
        for (size_t i = 0; i < requests.size(); ++i) {
            SCOPED_TRACE(i);
            const Instance& asked = instances[requests[i].instance];
            ASSERT_NE(answers[i], nullptr);
            EXPECT_EQ(answers[i]->tempo, asked.tempo);
            EXPECT_EQ(answers[i]->timeSigNumerator, asked.numerator);
            for (size_t j = 0; j < i; ++j) {
                const bool samePair = requests[j].thread == requests[i].thread &&
                                      requests[j].instance == requests[i].instance;
                if (!samePair) {
                    EXPECT_NE(answers[j], answers[i]) << "shared with request " << j;
                }
            }
        }
    }
}
