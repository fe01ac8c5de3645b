#include <gtest/gtest.h>

#include <vector>

#include "tests/process/render_fixture.h"

using testplugin::Call;
using testplugin::CallKind;

namespace {

class RenderTransport : public RenderOnBothHosts {
  protected:
    void Play(int32_t bars, int32_t beats, int64_t ticks) {
        host->transport.playing = true;
        host->transport.bars = bars;
        host->transport.beats = beats;
        host->transport.ticks = ticks;
        host->Render();
    }
    void ExpectValid(int32_t tempo, int32_t meter, int32_t ppq) const {
        EXPECT_EQ(CallBack().tempoValid.load(), tempo);
        EXPECT_EQ(CallBack().meterValid.load(), meter);
        EXPECT_EQ(CallBack().ppqValid.load(), ppq);
    }
};

}  // namespace

// Playback starts in bar 3 of a 4/4 meter: the origin is 4 x 4 + 1.
TEST_P(RenderTransport, PositionCountsFromTheOriginFixedAtTheStart) {
    Load(AskingTime());
    struct Block {
        int32_t bars, beats;
        int64_t ticks;
        double position;
    };
    for (const Block& block : {Block{3, 1, 0, -4.0}, Block{3, 1, 480000, -3.5}, Block{4, 1, 0, 0.0},
                               Block{4, 2, 240000, 1.25}}) {
        SCOPED_TRACE(block.position);
        Play(block.bars, block.beats, block.ticks);
        EXPECT_EQ(CallBack().ppqOrigin.load(), 17.0);
        const VstTimeInfo time = LastTimeSeen();
        EXPECT_EQ(time.ppqPos, block.position);
        EXPECT_EQ(time.flags & (kVstTransportPlaying | kVstPpqPosValid),
                  kVstTransportPlaying | kVstPpqPosValid);
    }
}

TEST_P(RenderTransport, RestartAfterAStopFixesANewOrigin) {
    Load(AskingTime());
    Play(3, 1, 0);
    host->transport.playing = false;
    host->Render();
    Play(7, 1, 0);
    EXPECT_EQ(CallBack().ppqOrigin.load(), 33.0);
    EXPECT_EQ(LastTimeSeen().ppqPos, -4.0);
}

TEST_P(RenderTransport, StopReachesThePluginAsOneAllNotesOffInsideItsBlock) {
    Load(AskingTime());
    Play(3, 1, 0);
    host->transport.playing = false;
    host->Render();
    host->Render();

    std::vector<Call> calls = Calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].kind, CallKind::kProcessReplacing);
    EXPECT_EQ(calls[1].opcode, effProcessEvents);
    EXPECT_EQ(static_cast<unsigned char>(calls[1].event.midiData[0]), 0xB0);
    EXPECT_EQ(calls[1].event.midiData[1], 0x7B);
    EXPECT_EQ(calls[2].kind, CallKind::kProcessReplacing);
    EXPECT_EQ(calls[2].time.flags & kVstTransportPlaying, 0);
    EXPECT_EQ(calls[3].kind, CallKind::kProcessReplacing);
}

TEST_P(RenderTransport, BlockCopiesPlayingStateTempoMeterAndSampleLocation) {
    Load(AskingTime());
    host->transport.tempo = 97.5;
    host->transport.numerator = 6;
    host->transport.denominator = 8;
    host->transport.sampleLocation = (int64_t{3} << 32) + 4410;
    Play(2, 3, 0);

    EXPECT_EQ(CallBack().isPlaying.load(), 1);
    EXPECT_EQ(CallBack().tempo.load(), 97.5);
    EXPECT_EQ(CallBack().meterNumerator.load(), 6);
    EXPECT_EQ(CallBack().meterDenominator.load(), 8);
    EXPECT_EQ(CallBack().samplePosition.load(), 4410) << "low 32 bits";
    EXPECT_EQ(host->transport.barBeatLocationAsked, host->transport.sampleLocation);
    EXPECT_EQ(CallBack().ppqOrigin.load(), 3.0 * 8 + 1);
    EXPECT_EQ(CallBack().ppqPosition.load(), 2.0 * 8 + 3 - 25.0);
    ExpectValid(1, 1, 1);
}

TEST_P(RenderTransport, StoppedTransportHasTempoAndMeterButNoPosition) {
    Load(AskingTime());
    Play(3, 1, 0);
    host->transport.playing = false;
    host->transport.barBeatLocationAsked = -1;
    host->Render();
    EXPECT_EQ(CallBack().isPlaying.load(), 0);
    ExpectValid(1, 1, 0);
    EXPECT_EQ(host->transport.barBeatLocationAsked, -1);
}

TEST_P(RenderTransport, FailingQueryClearsOnlyItsOwnFlag) {
    struct Case {
        const char* failing;
        int32_t ck_transport_state::*result;
        int32_t tempo, meter, ppq;
    };
    for (const Case& c : {Case{"tempo", &ck_transport_state::tempoResult, 0, 1, 1},
                          Case{"meter", &ck_transport_state::meterResult, 1, 0, 1},
                          Case{"bar and beat", &ck_transport_state::barBeatResult, 1, 1, 0}}) {
        SCOPED_TRACE(c.failing);
        Load(AskingTime());
        Play(3, 1, 0);
        host->transport.*c.result = AAX_ERROR_UNIMPLEMENTED;
        Play(3, 2, 0);
        ExpectValid(c.tempo, c.meter, c.ppq);
    }
}

// The block's own meter is unknown, so the last one the host gave measures the position.
TEST_P(RenderTransport, FailingMeterQueryKeepsTheLastDenominator) {
    Load(AskingTime());
    host->transport.denominator = 8;
    Play(3, 1, 0);
    host->transport.meterResult = AAX_ERROR_UNIMPLEMENTED;
    host->transport.denominator = 2;
    Play(4, 1, 0);
    EXPECT_EQ(CallBack().ppqPosition.load(), 4.0 * 8 + 1 - CallBack().ppqOrigin.load());
}

TEST_P(RenderTransport, FailingSampleLocationSkipsTempoMeterAndPosition) {
    Load(AskingTime());
    host->transport.locationResult = AAX_ERROR_UNIMPLEMENTED;
    host->transport.tempo = 90.0;
    Play(3, 1, 0);
    EXPECT_EQ(CallBack().isPlaying.load(), 1);
    ExpectValid(0, 0, 0);
    EXPECT_EQ(CallBack().tempo.load(), 120.0);
    EXPECT_EQ(host->transport.barBeatLocationAsked, -1);
}

TEST_P(RenderTransport, MissingTransportKeepsPlayingStateAndStillRunsMidiAndAudio) {
    Load(AskingTime());
    Play(3, 1, 0);
    host->SetMidiPackets({Packet(1, 0x90, 64, 1)});
    Control().ResetLog();

    host->context.transportNode = host->NodeWithoutTransport();
    host->transport.playing = false;
    host->Render();
    host->context.transportNode = nullptr;
    host->Render();

    EXPECT_EQ(CallBack().isPlaying.load(), 1);
    ExpectValid(0, 0, 0);
    const std::vector<Call> calls = Calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].opcode, effProcessEvents);
    EXPECT_EQ(calls[1].kind, CallKind::kProcessReplacing);
}

TEST_P(RenderTransport, MissingCallBackSkipsTheTransportButRunsMidiAndAudio) {
    Load(AskingTime());
    instance->bridge.callBack = nullptr;
    host->SetMidiPackets({Packet(1, 0x90, 64, 1)});
    Play(3, 1, 0);
    EXPECT_EQ(CallBack().isPlaying.load(), 0);
    EXPECT_EQ(host->transport.barBeatLocationAsked, -1);
    const std::vector<Call> calls = Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].opcode, effProcessEvents);
    EXPECT_EQ(calls[1].kind, CallKind::kProcessReplacing);
}

// The host's transport is asked nothing for a plug-in that has not asked for the time; once it
// has, even from outside a block, every block copies the transport at its start.
TEST_P(RenderTransport, TransportIsReadOnlyForAPluginThatAsksForTheTime) {
    Load();
    Play(3, 1, 0);
    EXPECT_EQ(host->transport.barBeatLocationAsked, -1);
    EXPECT_EQ(CallBack().isPlaying.load(), 0);
    ExpectValid(0, 0, 0);

    Control().CallHost(Effect(), audioMasterGetTime, 0, 0);
    Play(3, 2, 0);
    EXPECT_EQ(host->transport.barBeatLocationAsked, host->transport.sampleLocation);
    EXPECT_EQ(CallBack().isPlaying.load(), 1);
    ExpectValid(1, 1, 1);
}

INSTANTIATE_TEST_SUITE_P(Hosts, RenderTransport,
                         testing::Values(HostObjects::kCxx, HostObjects::kC), HostObjectsName);
