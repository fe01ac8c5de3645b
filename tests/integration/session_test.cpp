// Sessions as a workstation plays them over time, through the module's exports only and the C
// kit's host objects: playing, a rate change with the editor attached, the editor re-opened
// while blocks run, bursts of the plug-in's own edits, an editor thread racing the render
// thread, a preset restored during playback, a long block on a mono instance, and the transport
// stopped, started and moved back. Each checks what the plug-in and the host saw, and the audio.
#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <cstring>
#include <functional>
#include <iterator>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/integration/c_session.h"
#include "tests/support/plugin_test_fixture.h"
#include "tests/support/test_plugin/biquad.h"

namespace {

using testplugin::Call;
using testplugin::CallKind;
using Audio = std::vector<std::vector<float>>;

// A thread of its own that runs the jobs it is handed one at a time, the caller waiting for
// each: the host's real-time thread, or a plug-in's worker thread.
class Worker {
  public:
    Worker() : thread_([this] { Run(); }) {}
    ~Worker() {
        Do(nullptr);
        thread_.join();
    }
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    // Runs `job` on the thread and returns once it is done; null ends the thread.
    void Do(std::function<void()> job) {
        std::unique_lock<std::mutex> lock(mutex_);
        job_ = std::move(job);
        pending_ = true;
        changed_.notify_all();
        changed_.wait(lock, [this] { return !pending_; });
    }

  private:
    void Run() {
        for (;;) {
            std::unique_lock<std::mutex> lock(mutex_);
            changed_.wait(lock, [this] { return pending_; });
            const bool end = !job_;
            if (job_) job_();
            pending_ = false;
            changed_.notify_all();
            if (end) return;
        }
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    std::function<void()> job_;
    bool pending_ = false;
    std::thread thread_;
};

class Sessions : public PluginTest {
  protected:
    // Two automatable parameters, every call recorded, the time asked in every block.
    static testplugin::Script Script() {
        testplugin::Script script = testplugin::DefaultScript();
        script.asksTimeInProcess = 1;
        script.numParams = 2;
        testplugin::NameLikeGenerated(script, 2);
        return script;
    }

    // The session opened with one instance over a plug-in answering `script`.
    void Start(const testplugin::Script& script, int32_t channels = CSession::kStereo,
               float rate = 48000.0f, CSession::Answer answer = CSession::Answer::kQueued) {
        Control().SetScript(script);
        Control().ResetLog();
        session = std::make_unique<CSession>(VQ318_PRODUCT_MODULE);
        ASSERT_TRUE(session->Registered());
        ASSERT_TRUE(session->CreateInstance(channels, rate, answer));
        for (const Call& call : Control().Calls()) {
            if (call.kind == CallKind::kDispatcher && call.opcode == effOpen) {
                effect = const_cast<AEffect*>(call.effect);
            }
        }
        ASSERT_NE(effect, nullptr);
    }

    // One block of `frames` on the render thread; the plug-in's copy of the input must come out.
    void Block(int32_t frames = 256) {
        const Audio input = session->NextInput(frames);
        Audio output;
        render.Do([&] { output = session->Render(input); });
        ASSERT_EQ(output, input) << "block " << blocks;
        ++blocks;
    }

    std::vector<Call> PlugInCalls() const { return Control().CallsTo(effect); }
    std::vector<Call> Blocks() const {
        std::vector<Call> found;
        for (const Call& call : PlugInCalls()) {
            if (call.kind == CallKind::kProcessReplacing) found.push_back(call);
        }
        return found;
    }
    std::vector<Call> Dispatched(int32_t opcode) const {
        std::vector<Call> found;
        for (const Call& call : PlugInCalls()) {
            if (call.kind == CallKind::kDispatcher && call.opcode == opcode) found.push_back(call);
        }
        return found;
    }
    // The editor opcodes the plug-in got, as "open <window>" and "close".
    std::vector<std::string> EditorCalls() const {
        std::vector<std::string> found;
        for (const Call& call : PlugInCalls()) {
            if (call.kind != CallKind::kDispatcher) continue;
            if (call.opcode == effEditOpen) {
                for (int window = 0; window < 4; ++window) {
                    if (call.ptr == session->Window(window)) {
                        found.push_back("open " + std::to_string(window));
                    }
                }
            } else if (call.opcode == effEditClose) {
                found.push_back("close");
            }
        }
        return found;
    }

    // The host's touches and releases of `id` pair up in order, every set request inside one.
    void ExpectEditsPaired(const char* id) const {
        int32_t depth = 0;
        for (const CSession::Request& request : session->RequestsFor(id)) {
            if (request.slot == 7) ++depth;
            if (request.slot == 8) --depth;
            ASSERT_GE(depth, 0) << "a release without its touch";
            if (request.slot == 5) {
                EXPECT_GT(depth, 0) << "a set request outside an edit";
            }
        }
        EXPECT_EQ(depth, 0) << id << " left touched";
    }
    static double LastSet(const std::vector<CSession::Request>& requests) {
        double last = -1.0;
        for (const CSession::Request& request : requests) {
            if (request.slot == 5) last = request.value;
        }
        return last;
    }

    std::unique_ptr<CSession> session;
    AEffect* effect = nullptr;
    Worker render;
    int32_t blocks = 0;
};

ck_midi_packet Note(uint32_t at, unsigned char key) {
    return ck_midi_packet{at, 3, {0x90, key, 100, 0}, false};
}

TEST_F(Sessions, StartsPlayingWithTheHostsTimeRateAndMidi) {
    Start(Script());
    session->Transport().playing = true;
    session->Transport().tempo = 96.0;
    for (int32_t block = 0; block < 8; ++block) {
        session->SetMidi({Note(static_cast<uint32_t>(block * 10), 60)});
        Block(256);
    }
    const std::vector<Call> seen = Blocks();
    ASSERT_EQ(seen.size(), 8u);
    for (size_t block = 0; block < seen.size(); ++block) {
        SCOPED_TRACE(block);
        EXPECT_EQ(seen[block].time.sampleRate, 48000.0);
        EXPECT_EQ(seen[block].time.samplePos, 256.0 * static_cast<double>(block));
        EXPECT_EQ(seen[block].time.tempo, 96.0);
        EXPECT_NE(seen[block].time.flags & kVstTransportPlaying, 0);
    }
    const std::vector<Call> notes = Dispatched(effProcessEvents);
    ASSERT_EQ(notes.size(), 8u);
    for (size_t block = 0; block < notes.size(); ++block) {
        EXPECT_EQ(notes[block].event.deltaFrames, static_cast<int32_t>(block * 10));
    }
}

// The host's rate changes with the editor attached: the instance is uninitialised (meanwhile
// the plug-in asks for the rate and time from a worker thread) and initialised again. The
// plug-in asks for the time inside its blocks, and in one row also calls the host back from
// inside every dispatcher call, MIDI in its blocks included. From the new initialisation on,
// every answer carries the new rate, and the editor whose view stayed attached shows the
// plug-in's editor again.
TEST_F(Sessions, RateChangeWithTheEditorAttachedReachesEveryAnswer) {
    for (const int32_t reentrant : {0, 1}) {
        SCOPED_TRACE(reentrant != 0 ? "calling back from every dispatcher call" : "time only");
        testplugin::Script script = Script();
        script.reentrantHostCalls = reentrant;
        Start(script, CSession::kStereo, 44100.0f);
        ASSERT_TRUE(session->CreateEditor());
        ASSERT_EQ(session->SetView(0), 0);
        session->Transport().playing = true;
        for (int32_t block = 0; block < 4; ++block) {
            session->SetMidi({Note(0, 60)});
            Block();
            session->TimerWakeup();
        }

        ASSERT_EQ(session->Uninitialize(), 0);
        Worker worker;
        worker.Do([&] {
            Control().CallHost(effect, audioMasterGetSampleRate);
            Control().CallHost(effect, audioMasterGetTime, 0, kVstTempoValid);
        });
        const size_t before = PlugInCalls().size();
        ASSERT_EQ(session->Initialize(96000.0f), 0);
        for (int32_t block = 0; block < 4; ++block) {
            session->SetMidi({Note(0, 60)});
            Block();
            session->Service();
            session->TimerWakeup();
        }
        worker.Do([&] {
            const intptr_t answer = Control().CallHost(effect, audioMasterGetTime, 0, 0);
            ASSERT_NE(answer, 0);
            EXPECT_EQ(reinterpret_cast<const VstTimeInfo*>(answer)->sampleRate, 96000.0)
                << "time asked from the worker";
        });
        const std::vector<Call> calls = PlugInCalls();
        int32_t rates = 0;
        int32_t seen = 0;
        for (size_t i = before; i < calls.size(); ++i) {
            if (calls[i].kind == CallKind::kDispatcher && calls[i].opcode == effSetSampleRate) {
                EXPECT_EQ(calls[i].opt, 96000.0f) << "effSetSampleRate, call " << i;
                ++rates;
            } else if (calls[i].kind == CallKind::kProcessReplacing) {
                EXPECT_EQ(calls[i].time.sampleRate, 96000.0) << "time record, call " << i;
                ++seen;
            }
        }
        EXPECT_GT(rates, 0);
        EXPECT_EQ(seen, 4);

        // Shown again after the new initialisation, never opened twice, closed once at the end.
        std::vector<std::string> editor = EditorCalls();
        ASSERT_FALSE(editor.empty());
        EXPECT_EQ(editor.back(), "open 0") << "the editor stayed blank";
        session->DestroyEditor();
        editor = EditorCalls();
        for (size_t i = 0; i < editor.size(); ++i) {
            EXPECT_EQ(editor[i], i % 2 == 0 ? "open 0" : "close") << "editor call " << i;
        }
        EXPECT_EQ(editor.size() % 2, 0u) << "the plug-in's editor left open";
        session.reset();
        effect = nullptr;
    }
}

// The host closes the editor, opens it on a new view, and sets another view while that one is
// attached, all while blocks run on the render thread.
TEST_F(Sessions, EditorReopenedOnNewViewsWhileRendering) {
    Start(Script());
    ASSERT_TRUE(session->CreateEditor());
    std::atomic<bool> stop{false};
    std::atomic<int32_t> wrong{0};
    std::thread blocksThread([&] {
        for (int32_t block = 0; block < 3000 && !stop.load(); ++block) {
            const Audio input = session->NextInput(64);
            if (session->Render(input) != input) ++wrong;
        }
    });
    for (const int view : {0, -1, 1, 2}) {
        EXPECT_EQ(session->SetView(view), 0);
        session->TimerWakeup();
    }
    stop = true;
    blocksThread.join();
    session->DestroyEditor();
    EXPECT_EQ(wrong.load(), 0) << "blocks whose audio was wrong";
    EXPECT_EQ(EditorCalls(),
              (std::vector<std::string>{"open 0", "close", "open 1", "close", "open 2", "close"}));
}

struct Burst {
    const char* name;
    int32_t perBlock;
    int32_t blocks;
    CSession::Answer answer;
};

// The plug-in reports edits of parameter 0 from inside its blocks; the host hears of them at its
// next non-real-time call and answers them queued or at once. Whatever the burst, the edits the
// host sees are paired and the value host and plug-in end on is the plug-in's latest.
TEST_F(Sessions, PlugInEditBurstsEndOnThePlugInsLatestValue) {
    constexpr double kStep = 1.0 / 8192.0;
    for (const Burst& burst :
         {Burst{"5000 in a block, queued", 5000, 1, CSession::Answer::kQueued},
          Burst{"5000 in a block, at once", 5000, 1, CSession::Answer::kAtOnce},
          Burst{"1000 blocks, queued", 1, 1000, CSession::Answer::kQueued},
          Burst{"1000 blocks, at once", 1, 1000, CSession::Answer::kAtOnce}}) {
        SCOPED_TRACE(burst.name);
        testplugin::Script script = Script();
        script.asksTimeInProcess = 0;
        script.reportsInProcess = burst.perBlock;
        script.reportStep = kStep;
        Start(script, CSession::kStereo, 48000.0f, burst.answer);
        for (int32_t block = 0; block < burst.blocks; ++block) {
            Block(32);
            session->Service();
        }
        session->Service();

        const auto latest = static_cast<float>(burst.perBlock * burst.blocks * kStep);
        EXPECT_EQ(effect->getParameter(effect, 0), latest) << "the plug-in was set back";
        EXPECT_EQ(LastSet(session->RequestsFor("param0")), static_cast<double>(latest));
        EXPECT_EQ(session->HostValue("param0"), static_cast<double>(latest));
        ExpectEditsPaired("param0");
        session.reset();
        effect = nullptr;
    }
}

// A knob turned in the plug-in's editor (its own thread) while the render thread's blocks ask for
// display updates: every value the editor sets reaches its own parameter, and no other.
TEST_F(Sessions, EditorThreadEditsReachTheirParameterWhileBlocksUpdateTheDisplay) {
    testplugin::Script script = Script();
    script.numParams = testplugin::kMaxParameters;
    testplugin::NameLikeGenerated(script, testplugin::kMaxParameters);
    script.reentrantHostCalls = 1;  // each MIDI message in a block asks for a display update
    Start(script, CSession::kStereo, 48000.0f, CSession::Answer::kAtOnce);

    constexpr int32_t kEdits = 2000;
    std::vector<float> turned;
    for (int32_t i = 0; i < kEdits; ++i) turned.push_back(0.25f + 0.2f * i / kEdits);
    std::atomic<bool> editing{true};
    std::thread editorThread([&] {
        for (const float value : turned) {
            Control().CallHost(effect, audioMasterAutomate, 9, 0, nullptr, value);
        }
        editing = false;
    });
    session->SetMidi({Note(0, 60), Note(1, 61), Note(2, 62)});
    while (editing.load()) Block(32);
    editorThread.join();
    session->Service();

    std::vector<double> reached;
    for (const CSession::Request& request : session->Requests()) {
        if (request.slot != 5) continue;
        if (request.id == "param9") {
            reached.push_back(request.value);
        } else {
            EXPECT_EQ(request.value, 0.5) << "an editor value sent to " << request.id;
        }
    }
    ASSERT_EQ(reached.size(), turned.size());
    for (size_t i = 0; i < turned.size(); ++i) {
        ASSERT_EQ(reached[i], static_cast<double>(turned[i])) << "edit " << i;
    }
    EXPECT_EQ(effect->getParameter(effect, 9), turned.back());
}

// A preset restored from a thread of the host's while the render thread plays: the plug-in takes
// the preset's values and the host's parameters come up to them, the audio uninterrupted.
TEST_F(Sessions, PresetRestoredDuringPlaybackReachesPlugInAndHost) {
    testplugin::Script script = Script();
    script.chunkHoldsValues = 1;
    Start(script);
    const float preset[2] = {0.25f, 0.75f};
    std::vector<unsigned char> bytes(sizeof preset);
    std::memcpy(bytes.data(), preset, sizeof preset);

    session->Transport().playing = true;
    std::atomic<bool> restored{false};
    std::atomic<int32_t> wrong{0};
    std::thread blocksThread([&] {
        for (int32_t block = 0; block < 200 || !restored.load(); ++block) {
            const Audio input = session->NextInput(64);
            if (session->Render(input) != input) ++wrong;
        }
    });
    std::thread restoreThread([&] {
        EXPECT_EQ(session->RestoreChunk(bytes), 0);
        restored = true;
    });
    restoreThread.join();
    blocksThread.join();
    session->Service();

    EXPECT_EQ(wrong.load(), 0);
    EXPECT_EQ(effect->getParameter(effect, 0), 0.25f);
    EXPECT_EQ(effect->getParameter(effect, 1), 0.75f);
    EXPECT_EQ(session->HostValue("param0"), 0.25);
    EXPECT_EQ(session->HostValue("param1"), 0.75);
    EXPECT_EQ(session->SaveChunk(), bytes);
}

// An offline bounce hands a mono instance of the stereo plug-in a 16,384-frame block: it is
// rendered whole, as one call would, with its MIDI and its time where they belong.
TEST_F(Sessions, LongBlockOnAMonoInstanceIsRenderedWhole) {
    testplugin::Script script = Script();
    script.dsp = testplugin::Dsp::kBiquad;
    Start(script, CSession::kMono);
    session->Transport().playing = true;
    session->Transport().sampleLocation = 5000;
    const std::vector<uint32_t> notes = {0, 8191, 8192, 16383};
    std::vector<ck_midi_packet> packets;
    for (const uint32_t at : notes)
        packets.push_back(Note(at, static_cast<unsigned char>(at % 100)));
    session->SetMidi(packets);

    const Audio input = session->NextInput(16384);
    Audio output;
    render.Do([&] { output = session->Render(input); });
    std::vector<float> expected(input[0].size());
    testplugin::Biquad().Process(input[0].data(), expected.data(), 16384);
    EXPECT_EQ(output[0], expected) << "not what one call of the whole block gives";

    int32_t start = 0;
    std::vector<uint32_t> heard;
    for (const Call& call : PlugInCalls()) {
        if (call.kind == CallKind::kDispatcher && call.opcode == effProcessEvents) {
            heard.push_back(static_cast<uint32_t>(start + call.event.deltaFrames));
        } else if (call.kind == CallKind::kProcessReplacing) {
            EXPECT_EQ(call.time.samplePos, 5000.0 + start);
            start += call.frames;
        }
    }
    EXPECT_EQ(start, 16384);
    EXPECT_EQ(heard, notes);
}

// The transport plays, stops, starts again further on and jumps back while playing. The plug-in
// asks for the time inside its blocks, or only from a worker thread of its own after each block:
// either way it sees each block's position, counted from where playing started, and one
// all-notes-off for the stop.
TEST_F(Sessions, TransportStopStartAndJumpBackAsThePlugInSeesThem) {
    constexpr double kSamplesPerQuarter = 24000.0;  // 120 bpm at 48 kHz
    struct Step {
        bool playing;
        int64_t location;
        int64_t start;  // where this run of playing started
    };
    const Step steps[] = {{true, 0, 0},         {true, 512, 0},       {true, 1024, 0},
                          {false, 1536, 0},     {false, 1536, 0},     {true, 96000, 96000},
                          {true, 96512, 96000}, {true, 48000, 96000}, {true, 48512, 96000}};
    for (const bool fromWorker : {false, true}) {
        SCOPED_TRACE(fromWorker ? "asked from a worker thread" : "asked inside the block");
        testplugin::Script script = Script();
        script.asksTimeInProcess = fromWorker ? 0 : 1;
        Start(script);
        Worker worker;
        // The host's transport is read for the blocks after the plug-in's first time request,
        // from whichever thread: a block that ran before it cannot be seen from another thread.
        if (fromWorker) {
            worker.Do([&] { Control().CallHost(effect, audioMasterGetTime, 0, kVstPpqPosValid); });
        }
        std::vector<VstTimeInfo> seen;
        for (const Step& step : steps) {
            ck_transport_state& transport = session->Transport();
            transport.playing = step.playing;
            transport.sampleLocation = step.location;
            const auto quarters = static_cast<int64_t>(step.location / kSamplesPerQuarter);
            transport.bars = static_cast<int32_t>(1 + quarters / 4);
            transport.beats = static_cast<int32_t>(1 + quarters % 4);
            transport.ticks = (step.location % 24000) * 40;
            Block(512);
            if (fromWorker) {
                worker.Do([&] {
                    const intptr_t answer = Control().CallHost(effect, audioMasterGetTime, 0,
                                                               kVstPpqPosValid | kVstTempoValid);
                    ASSERT_NE(answer, 0);
                    seen.push_back(*reinterpret_cast<const VstTimeInfo*>(answer));
                });
            } else {
                seen.push_back(Blocks().back().time);
            }
        }
        ASSERT_EQ(seen.size(), std::size(steps));
        double startPpq = 0.0;
        for (size_t i = 0; i < seen.size(); ++i) {
            SCOPED_TRACE(i);
            const Step& step = steps[i];
            EXPECT_EQ((seen[i].flags & kVstTransportPlaying) != 0, step.playing);
            if (!step.playing) continue;
            EXPECT_EQ(seen[i].samplePos, static_cast<double>(step.location));
            if (step.location == step.start) startPpq = seen[i].ppqPos;
            EXPECT_NEAR(seen[i].ppqPos - startPpq,
                        (step.location - step.start) / kSamplesPerQuarter, 1e-9)
                << "position not counted from where playing started";
        }
        int32_t notesOff = 0;
        for (const Call& call : Dispatched(effProcessEvents)) {
            if (static_cast<unsigned char>(call.event.midiData[0]) == 0xB0 &&
                call.event.midiData[1] == 0x7B) {
                ++notesOff;
            }
        }
        EXPECT_EQ(notesOff, 1) << "all-notes-off for the one stop";
        session.reset();
        effect = nullptr;
        Control().ResetLog();
    }
}

}  // namespace
