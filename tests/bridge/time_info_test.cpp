#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tests/support/bridge_instance.h"
#include "tests/support/plugin_test_fixture.h"

using testplugin::Call;

namespace {

class TimeInfo : public PluginTest {
  protected:
    void SetUp() override {
        PluginTest::SetUp();
        instance_ = std::make_unique<BridgeInstance>();
        ASSERT_NE(Effect(), nullptr);
        // The test's thread asks as the render thread does after a block.
        CallBack().BeginBlock(nullptr);
        CallBack().EndBlock();
    }

    AEffect* Effect() const { return instance_->bridge.effect; }
    VstCallBack& CallBack() const { return instance_->callBack; }

    // Asks for the time as a plug-in does, with the usual mask of wanted fields.
    const VstTimeInfo& AskTime() const {
        const intptr_t answer = Control().CallHost(
            Effect(), audioMasterGetTime, 0, kVstPpqPosValid | kVstTempoValid | kVstTimeSigValid);
        EXPECT_EQ(answer, reinterpret_cast<intptr_t>(&CallBack().timeInfo));
        return CallBack().timeInfo;
    }

    // What the render callback leaves for a playing block with everything known.
    void PlayingBlock() const {
        VstCallBack& state = CallBack();
        state.isPlaying = 1;
        state.tempo = 133.5;
        state.tempoValid = 1;
        state.meterNumerator = 7;
        state.meterDenominator = 8;
        state.meterValid = 1;
        state.ppqPosition = 12.25;
        state.samplePosition = 441000;
        state.ppqValid = 1;
    }

    std::vector<Call> ProcessEventCalls() const {
        std::vector<Call> calls = Control().CallsTo(Effect());
        std::erase_if(calls, [](const Call& call) { return call.opcode != effProcessEvents; });
        return calls;
    }

    std::unique_ptr<BridgeInstance> instance_;
};

}  // namespace

TEST_F(TimeInfo, BeforeAControllerReportsTheDefaultRateAndNoTempoOrMeter) {
    const VstTimeInfo& time = AskTime();
    EXPECT_EQ(time.sampleRate, 44100.0);
    EXPECT_EQ(time.flags, 0);
    EXPECT_EQ(time.tempo, 0.0);
    EXPECT_EQ(time.timeSigNumerator, 0);
    EXPECT_EQ(time.timeSigDenominator, 0);
    EXPECT_TRUE(Control().CallsTo(Effect()).empty());
}

TEST_F(TimeInfo, PlayingWithEverythingValidReportsAllOfIt) {
    CallBack().LearnSampleRate(48000.0f);
    PlayingBlock();

    const VstTimeInfo& time = AskTime();
    EXPECT_EQ(time.flags, 9730);
    EXPECT_EQ(time.sampleRate, 48000.0);
    EXPECT_EQ(time.tempo, 133.5);
    EXPECT_EQ(time.timeSigNumerator, 7);
    EXPECT_EQ(time.timeSigDenominator, 8);
    EXPECT_EQ(time.ppqPos, 12.25);
    EXPECT_EQ(time.samplePos, 441000.0);
    EXPECT_EQ(time.nanoSeconds, 0.0);
    EXPECT_EQ(time.barStartPos, 0.0);
    EXPECT_EQ(time.cycleStartPos, 0.0);
    EXPECT_EQ(time.cycleEndPos, 0.0);
    EXPECT_EQ(time.smpteOffset, 0);
    EXPECT_EQ(time.smpteFrameRate, 0);
    EXPECT_EQ(time.samplesToNextClock, 0);
}

TEST_F(TimeInfo, EachValidFlagGatesItsOwnFields) {
    struct Case {
        int32_t tempoValid, meterValid, ppqValid;
        int32_t flags;
    };
    for (const Case& c : {Case{0, 1, 1, 2 + 8192 + 512}, Case{1, 0, 1, 2 + 1024 + 512},
                          Case{1, 1, 0, 2 + 1024 + 8192}}) {
        SCOPED_TRACE(c.flags);
        PlayingBlock();
        CallBack().tempoValid = c.tempoValid;
        CallBack().meterValid = c.meterValid;
        CallBack().ppqValid = c.ppqValid;
        const VstTimeInfo& time = AskTime();
        EXPECT_EQ(time.flags, c.flags);
        EXPECT_EQ(time.tempo, c.tempoValid ? 133.5 : 0.0);
        EXPECT_EQ(time.timeSigNumerator, c.meterValid ? 7 : 0);
        EXPECT_EQ(time.ppqPos, c.ppqValid ? 12.25 : 0.0);
        EXPECT_EQ(time.samplePos, c.ppqValid ? 441000.0 : 0.0);
    }
}

TEST_F(TimeInfo, StoppedTransportReportsNoPosition) {
    PlayingBlock();
    CallBack().isPlaying = 0;
    const VstTimeInfo& time = AskTime();
    EXPECT_EQ(time.flags, kVstTempoValid | kVstTimeSigValid);
    EXPECT_EQ(time.ppqPos, 0.0);
    EXPECT_EQ(time.samplePos, 0.0);
}

TEST_F(TimeInfo, StopSendsOneAllNotesOffAtTheFirstRequestOnly) {
    PlayingBlock();
    AskTime();
    EXPECT_TRUE(ProcessEventCalls().empty());

    CallBack().isPlaying = 0;
    EXPECT_EQ(AskTime().flags & kVstTransportPlaying, 0);
    std::vector<Call> events = ProcessEventCalls();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].numEvents, 1);
    EXPECT_EQ(events[0].index, 0);
    EXPECT_EQ(events[0].value, 0);
    VstMidiEvent expected{};
    expected.type = kVstMidiType;
    expected.byteSize = 24;
    expected.midiData[0] = static_cast<char>(0xB0);
    expected.midiData[1] = 0x7B;
    EXPECT_EQ(std::memcmp(&events[0].event, &expected, sizeof expected), 0);
    EXPECT_EQ(CallBack().WasPlaying(), 0);

    AskTime();
    EXPECT_EQ(ProcessEventCalls().size(), 1u);
}

TEST_F(TimeInfo, RequestWhileNeverPlayingSendsNoEvent) {
    AskTime();
    AskTime();
    EXPECT_TRUE(ProcessEventCalls().empty());
}
