#include "process/render_callback.h"

#include <gtest/gtest.h>

#include <cstring>
#include <type_traits>
#include <vector>

#include "tests/process/render_fixture.h"

using testplugin::Call;
using testplugin::CallKind;

namespace {

class RenderCallbackTest : public RenderTest {};
class RenderMidi : public RenderOnBothHosts {};

std::vector<Call> OfKind(const std::vector<Call>& calls, CallKind kind) {
    std::vector<Call> selected;
    for (const Call& call : calls) {
        if (call.kind == kind) selected.push_back(call);
    }
    return selected;
}

static_assert(std::is_same_v<decltype(&RenderCallback), ProcessProc>);

}  // namespace

TEST_F(RenderCallbackTest, StereoPlugInOnAStereoInstanceGetsTheHostsOwnChannels) {
    Load();
    RenderHarness harness(2, 2, 32);
    harness.Post(&instance->bridge, 1);
    harness.Render();

    const std::vector<Call> calls = Calls();
    ASSERT_EQ(calls.size(), 1u);
    ASSERT_EQ(calls[0].kind, CallKind::kProcessReplacing);
    EXPECT_EQ(calls[0].frames, 32);
    EXPECT_EQ(calls[0].inputs[0], harness.inputs[0]);
    EXPECT_EQ(calls[0].inputs[1], harness.inputs[1]);
    EXPECT_EQ(calls[0].outputs[0], harness.outputs[0]);
    EXPECT_EQ(calls[0].outputs[1], harness.outputs[1]);
    EXPECT_EQ(harness.output[1][31], harness.input[1][31]) << "the plug-in's audio arrives";
    EXPECT_EQ(harness.output[1][32], RenderHarness::kUntouched);
}

TEST_P(RenderMidi, EachMidiPacketIsOneSingleEventCallBeforeTheAudio) {
    Load();
    const std::vector<MidiPacket> packets = {Packet(0, 0x90, 60, 100), Packet(17, 0x80, 60, 0),
                                             Packet(63, 0xB0, 7, 90)};
    host->SetMidiPackets(packets);
    host->Render();

    const std::vector<Call> calls = Calls();
    ASSERT_EQ(calls.size(), 4u);
    for (size_t i = 0; i < packets.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(calls[i].kind, CallKind::kDispatcher);
        EXPECT_EQ(calls[i].opcode, effProcessEvents);
        EXPECT_EQ(calls[i].index, 0);
        EXPECT_EQ(calls[i].value, 0);
        EXPECT_EQ(calls[i].opt, 0.0f);
        EXPECT_EQ(calls[i].numEvents, 1);
        VstMidiEvent expected{};
        expected.type = kVstMidiType;
        expected.byteSize = 24;
        expected.deltaFrames = static_cast<int32_t>(packets[i].mTimestamp);
        for (int byte = 0; byte < 3; ++byte) {
            expected.midiData[byte] = static_cast<char>(packets[i].mData[byte]);
        }
        EXPECT_EQ(std::memcmp(&calls[i].event, &expected, sizeof expected), 0);
    }
    EXPECT_EQ(calls[3].kind, CallKind::kProcessReplacing);
    EXPECT_EQ(instance->bridge.eventBuffer[0].deltaFrames, 63) << "one record serves all";
    EXPECT_EQ(instance->bridge.eventBuffer[1].deltaFrames, 0);
}

TEST_P(RenderMidi, BlockWithoutMidiStreamOrNodeOnlyProcessesAudio) {
    Load();
    host->SetMidiPackets({Packet(0, 0x90, 60, 100)});
    host->DropMidiStream();
    host->Render();
    host->context.midiInputNode = nullptr;
    host->Render();
    const std::vector<Call> calls = Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(OfKind(calls, CallKind::kProcessReplacing).size(), 2u);
}

TEST_F(RenderCallbackTest, InstanceNotLoadedIsNeverTouched) {
    for (int32_t flag : {0, 2, -1}) {
        SCOPED_TRACE(flag);
        Load(AskingTime());
        host->Post(&instance->bridge, flag);
        host->transport.playing = true;
        host->SetMidiPackets({Packet(0, 0x90, 60, 100)});
        host->Render();
        EXPECT_TRUE(Calls().empty());
        EXPECT_TRUE(host->OutputsUntouched());
        EXPECT_EQ(CallBack().isPlaying.load(), 0);
        EXPECT_EQ(instance->bridge.eventBuffer[0].midiData[0], 0);
    }
}

TEST_F(RenderCallbackTest, UnusableBridgeGetsTransportButNoCall) {
    Load();
    Control().CallHost(Effect(), audioMasterGetTime, 0, 0);
    Control().ResetLog();
    instance->bridge.active = 0;
    host->transport.playing = true;
    host->SetMidiPackets({Packet(5, 0x90, 60, 100)});
    host->Render();
    EXPECT_TRUE(Calls().empty());
    EXPECT_TRUE(host->OutputsUntouched());
    EXPECT_EQ(CallBack().isPlaying.load(), 1);
}

TEST_F(RenderCallbackTest, LoadedFlagWithoutBridgeLeavesAudioAlone) {
    Load();
    host->Post(nullptr, 1);
    host->SetMidiPackets({Packet(5, 0x90, 60, 100)});
    host->Render();
    EXPECT_TRUE(Calls().empty());
    EXPECT_TRUE(host->OutputsUntouched());
}

TEST_F(RenderCallbackTest, NullEntriesAreSkippedAndOthersRunInOrder) {
    Load();
    BridgeInstance second;
    RenderHarness secondHost(2);
    secondHost.Post(&second.bridge, 1);

    AlgorithmContext* const instances[] = {nullptr, &host->context, nullptr, &secondHost.context,
                                           nullptr};
    RenderCallback(instances, instances + 5);

    const std::vector<Call> calls = Control().Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].effect, Effect());
    EXPECT_EQ(calls[1].effect, second.bridge.effect);
    EXPECT_EQ(calls[0].kind, CallKind::kProcessReplacing);
    EXPECT_EQ(calls[1].kind, CallKind::kProcessReplacing);
}

TEST_F(RenderCallbackTest, EmptyRangeCallsNothing) {
    Load();
    AlgorithmContext* const instances[] = {&host->context};
    RenderCallback(instances, instances);
    EXPECT_TRUE(Calls().empty());
    EXPECT_TRUE(host->OutputsUntouched());
}

INSTANTIATE_TEST_SUITE_P(Hosts, RenderMidi, testing::Values(HostObjects::kCxx, HostObjects::kC),
                         HostObjectsName);
