#include "tools/aaxhost/program/block_events.h"

#include <cmath>

namespace aaxhost {

BlockEvents::BlockEvents(std::vector<AutomationPoint> automation, std::vector<MidiMessageAt> midi,
                         double sampleRate)
    : mAutomation(std::move(automation)), mMidi(std::move(midi)), mSampleRate(sampleRate) {}

int64_t BlockEvents::FrameOf(double seconds) const {
    return static_cast<int64_t>(std::llround(seconds * mSampleRate));
}

std::vector<AutomationPoint> BlockEvents::AutomationDue(int64_t firstFrame) {
    std::vector<AutomationPoint> due;
    while (mNextPoint < mAutomation.size() &&
           FrameOf(mAutomation[mNextPoint].seconds) <= firstFrame) {
        due.push_back(mAutomation[mNextPoint++]);
    }
    return due;
}

std::vector<MidiPacket> BlockEvents::MidiIn(int64_t firstFrame, int32_t frames) {
    std::vector<MidiPacket> packets;
    while (mNextMessage < mMidi.size() &&
           FrameOf(mMidi[mNextMessage].seconds) < firstFrame + frames) {
        const MidiMessageAt& message = mMidi[mNextMessage++];
        const int64_t offset = FrameOf(message.seconds) - firstFrame;
        MidiPacket packet{};
        packet.mTimestamp = static_cast<uint32_t>(offset < 0 ? 0 : offset);
        packet.mLength = 3;
        for (size_t i = 0; i < 3; ++i) packet.mData[i] = message.bytes[i];
        packets.push_back(packet);
    }
    return packets;
}

}  // namespace aaxhost
