// What the host thread prepares for each block of `aaxhost render`: the automation points the
// block has reached and the MIDI messages that fall inside it, with their frame offsets.
#pragma once

#include <cstdint>
#include <vector>

#include "abi/midi.h"
#include "tools/aaxhost/cli/automation_file.h"
#include "tools/aaxhost/cli/midi_file.h"

namespace aaxhost {

class BlockEvents {
  public:
    BlockEvents(std::vector<AutomationPoint> automation, std::vector<MidiMessageAt> midi,
                double sampleRate);

    // The automation points due at or before `firstFrame`, each given once, in time order.
    std::vector<AutomationPoint> AutomationDue(int64_t firstFrame);
    // The MIDI messages in [firstFrame, firstFrame + frames), each with its offset in the block.
    std::vector<MidiPacket> MidiIn(int64_t firstFrame, int32_t frames);

  private:
    int64_t FrameOf(double seconds) const;

    std::vector<AutomationPoint> mAutomation;
    std::vector<MidiMessageAt> mMidi;
    double mSampleRate;
    size_t mNextPoint = 0;
    size_t mNextMessage = 0;
};

}  // namespace aaxhost
