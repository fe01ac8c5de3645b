// The module's render path makes no call that may block a real-time thread: no allocation, no
// mutex or condition variable, no sleeping, yielding or file input and output. The C library's
// functions are interposed and counted on the render thread only, over blocks with MIDI, a
// playing transport that stops and starts again, the plug-in asking the time, automation by the
// host between blocks and the plug-in's own edits from inside its blocks (the test plug-in a
// burst of thousands from processReplacing, the demo plug-in from the modulation wheel), which
// reach the host, whose stand-in automation service allocates and locks, only from its next call
// between blocks.
#include "tools/aaxhost/program/realtime_calls.h"

#include <gtest/gtest.h>
#include <pthread.h>
#include <sched.h>

#include <array>
#include <cstdlib>

#include "tests/integration/session_fixture.h"

namespace {

std::array<long, kRealtimeKindCount> Counts() {
    std::array<long, kRealtimeKindCount> counts{};
    for (int kind = 0; kind < kRealtimeKindCount; ++kind) {
        counts[static_cast<size_t>(kind)] = RealtimeCount(static_cast<RealtimeCallKind>(kind));
    }
    return counts;
}

// The interposer sees each kind of call, made here or in a library loaded at run time, and
// counts only while the thread watches.
TEST(RealtimeInterposer, CountsEachKindOnAWatchingThreadOnly) {
    pthread_mutex_t mutex = PTHREAD_MUTEX_INITIALIZER;
    pthread_cond_t condition = PTHREAD_COND_INITIALIZER;
    const struct {
        const char* what;
        void (*call)(pthread_mutex_t&, pthread_cond_t&);
        RealtimeCallKind kind;
        long calls;
    } cases[] = {
        {"malloc and free",
         [](pthread_mutex_t&, pthread_cond_t&) {
             void* volatile block = std::malloc(24);
             std::free(block);
         },
         kRealtimeAllocation, 2},
        {"lock and unlock",
         [](pthread_mutex_t& m, pthread_cond_t&) {
             pthread_mutex_lock(&m);
             pthread_mutex_unlock(&m);
         },
         kRealtimeMutex, 2},
        {"signal", [](pthread_mutex_t&, pthread_cond_t& c) { pthread_cond_signal(&c); },
         kRealtimeCondition, 1},
        {"yield", [](pthread_mutex_t&, pthread_cond_t&) { sched_yield(); }, kRealtimeBlocking, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RealtimeReset();
        c.call(mutex, condition);
        EXPECT_EQ(RealtimeCount(c.kind), 0) << "not watching";
        RealtimeWatch(1);
        c.call(mutex, condition);
        RealtimeWatch(0);
        EXPECT_EQ(RealtimeCount(c.kind), c.calls);
    }
}

class RealtimeCallsOfTheModule : public BothPluginsTest {};

TEST_P(RealtimeCallsOfTheModule, SeesTheLockOfALoadedLibrary) {
    RealtimeReset();
    RealtimeWatch(1);
    Control().SetScript(QuietScript());  // the test plug-in locks its script
    RealtimeWatch(0);
    EXPECT_GE(RealtimeCount(kRealtimeMutex), 1);
}

TEST_P(RealtimeCallsOfTheModule, BlocksMakeNoForbiddenCall) {
    testplugin::Script script = QuietScript();
    script.numParams = 40;
    testplugin::NameLikeGenerated(script, testplugin::kMaxParameters);
    script.reportsInProcess = 5000;
    script.reportsSpread = 40;
    Control().SetScript(script);
    OpenSession();
    auto instance = NewInstance();
    ASSERT_TRUE(instance->Ready());
    const std::vector<std::string> automated = Automatable(*instance);
    ASSERT_FALSE(automated.empty());
    std::vector<MidiPacket> midi = MidiTraffic(false);
    // The modulation wheel first, in every block.
    midi.insert(midi.begin(), MidiPacket{0, 3, {0xB0, 1, 0, 0}, false});
    StereoBuffers buffers(64);
    instance->Transport().state.playing = true;
    instance->Render(buffers.inputs, buffers.outputs, buffers.frames);  // first-block set-up

    RealtimeReset();
    float heard = 0.0f;
    int32_t hostRequests = 0;
    for (int32_t block = 0; block < 300; ++block) {
        if (block % 7 == 0) {
            ++hostRequests;
            const double value = (block % 3) / 2.0;
            EXPECT_EQ(instance->Effect().SetParameterNormalizedValue(
                          automated[static_cast<size_t>(block) % automated.size()].c_str(), value),
                      AAX_SUCCESS);
            instance->Service();
        }
        midi.front().mData[2] = static_cast<unsigned char>(block % 128);
        instance->MidiInput().SetPackets(midi.data(), block % 5 == 0 ? midi.size() : 1);
        instance->Transport().state.playing = block % 50 < 40;
        instance->Transport().state.meterNumerator = 3 + block % 2;
        instance->Transport().state.tempo = 100.0 + block % 40;

        RealtimeWatch(1);
        instance->Render(buffers.inputs, buffers.outputs, buffers.frames);
        RealtimeWatch(0);
        for (float sample : buffers.out[0]) heard += std::abs(sample);
    }
    instance->Service();

    EXPECT_EQ(Counts(), (std::array<long, kRealtimeKindCount>{}))
        << "allocations, mutex, condition and blocking calls on the render thread";
    EXPECT_GT(heard, 0.0f) << "the blocks reached the plug-in";
    int32_t setRequests = 0;
    for (const aaxhost::Call& call : instance->Automation().Log().Calls()) {
        if (call.slot == 5) ++setRequests;
    }
    EXPECT_GT(setRequests, hostRequests) << "the plug-in's edits from its blocks reached the host";
}

INSTANTIATE_TEST_SUITE_P(Plugins, RealtimeCallsOfTheModule,
                         testing::Values(HostedPlugin::kTest, HostedPlugin::kDemo),
                         HostedPluginName);

}  // namespace
