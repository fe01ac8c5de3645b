#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tests/process/allocation_counter.h"
#include "tests/process/render_fixture.h"

namespace {

class RenderAllocation : public RenderTest {};

std::unique_ptr<int> kept;  // escapes, so that the compiler keeps the allocation

}  // namespace

TEST(AllocationCounter, CountsAnAllocationMadeWhileCounting) {
    allocation::StartCounting();
    kept = std::make_unique<int>(1);
    EXPECT_EQ(allocation::StopCounting(), 1);
}

// Blocks with MIDI, a playing transport, a stop and a restart, the plug-in asking for the time
// in each (so the all-notes-off path runs too).
TEST_F(RenderAllocation, BlocksAllocateNothing) {
    Load(AskingTime());
    host->SetMidiPackets(
        {Packet(0, 0x90, 60, 100), Packet(12, 0x80, 60, 0), Packet(40, 0xB0, 1, 64)});
    host->transport.playing = true;
    host->Render();  // whatever a first call sets up is not the steady state

    allocation::StartCounting();
    for (int32_t block = 0; block < 200; ++block) {
        host->transport.playing = block % 50 < 40;
        host->transport.bars = 3 + block / 4;
        host->transport.beats = 1 + block % 4;
        host->transport.sampleLocation += host->frames;
        host->Render();
    }
    const int64_t allocations = allocation::StopCounting();

    EXPECT_EQ(allocations, 0);
    int32_t notesOff = 0;
    for (const testplugin::Call& call : Calls()) {
        if (call.opcode == effProcessEvents && call.event.midiData[1] == 0x7B) ++notesOff;
    }
    EXPECT_EQ(notesOff, 4) << "the blocks ran through stops";
}

// Silent inputs, scratch outputs, a mono output spread, extra host outputs silenced, and a long
// block with MIDI reaching a mono instance of a stereo plug-in in slices.
TEST_F(RenderAllocation, LayoutsThatNeedBuffersAllocateNothing) {
    struct Case {
        int32_t inputs, outputs, hostChannels, frames;
    };
    for (const Case& c :
         {Case{4, 6, 1, 64}, Case{1, 1, 2, 64}, Case{2, 2, 4, 64}, Case{2, 2, 1, 20000}}) {
        SCOPED_TRACE(testing::Message()
                     << c.inputs << " in, " << c.outputs << " out, " << c.frames << " frames");
        testplugin::Script script = AskingTime();
        script.numInputs = c.inputs;
        script.numOutputs = c.outputs;
        Load(script, c.hostChannels);
        host = std::make_unique<RenderHarness>(c.hostChannels, c.hostChannels, c.frames);
        host->Post(&instance->bridge, 1);
        host->SetMidiPackets(
            {MidiPacket{0, 3, {0x90, 60, 100, 0}, false},
             MidiPacket{static_cast<uint32_t>(c.frames - 1), 3, {0x80, 60, 0, 0}, false}});
        host->transport.playing = true;
        host->Render();

        allocation::StartCounting();
        for (int32_t block = 0; block < 50; ++block) host->Render();
        EXPECT_EQ(allocation::StopCounting(), 0);
    }
}
