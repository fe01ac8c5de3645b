// MIDI into the demo plug-in (note-ons restart the tremolo, the modulation wheel sets its depth
// and is reported to the host as an edit) and the host's time (tempo and song position set the
// tempo-synced tremolo).
#include <gtest/gtest.h>

#include <string>

#include "tests/tools/demo_plugin/demo_host.h"

namespace {

enum : int32_t { kDepth, kRate, kSync, kDivision };

constexpr int32_t kBlock = 256;
// At 120 quarter notes a minute one tremolo cycle per quarter note lasts 22050 frames, and the
// level is lowest half-way through.
constexpr size_t kTroughAt120 = 11025;

// Full depth, one cycle per quarter note, following the host's tempo.
void SyncToQuarters(const DemoInstance& plugin) {
    plugin.Start();
    plugin.SetParameter(kDepth, 1.0f);
    plugin.SetParameter(kSync, 1.0f);
    plugin.SetParameter(kDivision, 0.5f);
}

TEST(DemoPluginMidi, NoteOnStartsTheTremoloCycleAgainAtItsFrame) {
    struct Case {
        const char* what;
        int status;
        int velocity;
        bool restarts;
    };
    const Case cases[] = {
        {"note-on", 0x90, 100, true},
        {"note-on on channel 10", 0x99, 1, true},
        {"note-on with velocity 0, a note-off", 0x90, 0, false},
        {"note-off", 0x80, 100, false},
    };
    constexpr int32_t kOffset = 17;  // frame kTroughAt120 lies 17 frames into block 43
    const Channel silence = Constant(0.5f, 43 * kBlock);
    const Channel after = Constant(0.5f, 2048);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DemoInstance plugin;
        SyncToQuarters(plugin);
        plugin.Render({silence});
        plugin.SendMidi(kOffset, c.status, 60, c.velocity);
        const Channel out = plugin.Render({after})[0];
        EXPECT_LT(out[kOffset - 1], 0.01f) << "the level is at its lowest before the note";
        if (c.restarts) {
            EXPECT_GT(out[kOffset + 20], 0.45f) << "the cycle starts again at full level";
        } else {
            EXPECT_LT(out[kOffset + 20], 0.01f);
        }
    }
}

TEST(DemoPluginMidi, ModulationWheelSetsTheDepthAndReportsOneEdit) {
    DemoInstance plugin;
    plugin.Start();
    plugin.SendMidi(0, 0xB3, 1, 64);
    const float depth = 64.0f / 127.0f;
    EXPECT_EQ(plugin.GetParameter(kDepth), depth);
    const std::vector<HostCall> calls = plugin.Calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].opcode, audioMasterBeginEdit);
    EXPECT_EQ(calls[1].opcode, audioMasterAutomate);
    EXPECT_EQ(calls[1].opt, depth);
    EXPECT_EQ(calls[2].opcode, audioMasterEndEdit);
    for (const HostCall& call : calls) EXPECT_EQ(call.index, kDepth);

    // The same position again changes nothing and reports nothing; other controllers do
    // neither.
    plugin.SendMidi(0, 0xB0, 1, 64);
    plugin.SendMidi(0, 0xB0, 7, 10);
    EXPECT_EQ(plugin.Calls().size(), 3u);
    EXPECT_EQ(plugin.GetParameter(kDepth), depth);
}

TEST(DemoPluginMidi, EventsThatAreNotMidiOrMissingAreSkipped) {
    DemoInstance plugin;
    VstEvent sysex{};
    sysex.type = 6;
    sysex.data[8] = static_cast<char>(0xB0);
    VstEvents events{};
    events.numEvents = 2;
    events.events[0] = &sysex;
    events.events[1] = nullptr;
    EXPECT_EQ(plugin.Dispatch(effProcessEvents, 0, 0, &events), 1);
    EXPECT_EQ(plugin.Dispatch(effProcessEvents, 0, 0, nullptr), 0);
    EXPECT_TRUE(plugin.Calls().empty());
}

TEST(DemoPluginTime, TempoAndSongPositionSetTheSyncedTremolo) {
    struct Case {
        const char* what;
        bool answers;
        int32_t flags;
        double tempo;
        double ppqPos;
        size_t firstTrough;
    };
    const Case cases[] = {
        {"no time answer: 120", false, 0, 0.0, 0.0, kTroughAt120},
        {"tempo 120", true, kVstTempoValid, 120.0, 0.0, kTroughAt120},
        {"tempo 60", true, kVstTempoValid, 60.0, 0.0, 2 * kTroughAt120},
        {"tempo 240", true, kVstTempoValid, 240.0, 0.0, kTroughAt120 / 2},
        {"tempo not vouched for", true, 0, 60.0, 0.0, kTroughAt120},
        {"a quarter of a beat in", true, kVstTempoValid | kVstPpqPosValid, 120.0, 0.25,
         kTroughAt120 / 2},
        {"before the song start", true, kVstTempoValid | kVstPpqPosValid, 120.0, -4.25,
         kTroughAt120 * 3 / 2},
        {"position not vouched for", true, kVstTempoValid, 120.0, 0.25, kTroughAt120},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DemoInstance plugin;
        SyncToQuarters(plugin);
        plugin.answersTime = c.answers;
        plugin.time.flags = c.flags;
        plugin.time.tempo = c.tempo;
        plugin.time.ppqPos = c.ppqPos;
        const std::vector<size_t> troughs =
            Troughs(plugin.Render({Constant(0.5f, 30000)}, kBlock)[0], 0.5f);
        ASSERT_FALSE(troughs.empty());
        EXPECT_NEAR(static_cast<double>(troughs[0]), static_cast<double>(c.firstTrough), 2.0);
    }
}

TEST(DemoPluginTime, AsksForTempoAndPositionOncePerBlock) {
    DemoInstance plugin;
    plugin.Start();
    plugin.Render({Constant(0.0f, 10 * kBlock)}, kBlock);
    EXPECT_EQ(plugin.TimeRequests(), 10);
    EXPECT_EQ(plugin.LastTimeMask(), kVstTempoValid | kVstPpqPosValid);
}

TEST(DemoPluginTime, FreeRunningTremoloIgnoresTheTempo) {
    const auto firstTrough = [](double tempo) {
        DemoInstance plugin;
        plugin.Start();
        plugin.SetParameter(kDepth, 1.0f);
        plugin.time.flags = kVstTempoValid;
        plugin.time.tempo = tempo;
        return Troughs(plugin.Render({Constant(0.5f, 20000)})[0], 0.5f).at(0);
    };
    EXPECT_EQ(firstTrough(60.0), firstTrough(180.0));
}

}  // namespace
