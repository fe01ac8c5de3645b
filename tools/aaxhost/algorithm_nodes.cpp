#include "tools/aaxhost/algorithm_nodes.h"

#include <algorithm>
#include <cmath>

namespace aaxhost {

double HostTransport::TicksAt(int64_t sampleLocation) const {
    const double seconds = static_cast<double>(sampleLocation) / state.sampleRate;
    return seconds * state.tempo / 60.0 * kTransportTicksPerQuarter;
}

AAX_Result HostTransport::GetCurrentTempo(double* tempo) const {
    *tempo = state.tempo;
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetCurrentMeter(int32_t* numerator, int32_t* denominator) const {
    *numerator = state.meterNumerator;
    *denominator = state.meterDenominator;
    return AAX_SUCCESS;
}

AAX_Result HostTransport::IsTransportPlaying(bool* isPlaying) const {
    *isPlaying = state.playing;
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetCurrentTickPosition(int64_t* ticks) const {
    *ticks = static_cast<int64_t>(TicksAt(state.sampleLocation));
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetCurrentLoopPosition(bool* looping, int64_t* loopStartTick,
                                                 int64_t* loopEndTick) const {
    *looping = false;
    *loopStartTick = 0;
    *loopEndTick = 0;
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetCurrentNativeSampleLocation(int64_t* sampleLocation) const {
    *sampleLocation = state.sampleLocation;
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetCustomTickPosition(int64_t* ticks, int64_t sampleLocation) const {
    *ticks = static_cast<int64_t>(TicksAt(sampleLocation));
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetBarBeatPosition(int32_t* bars, int32_t* beats, int64_t* displayTicks,
                                             int64_t sampleLocation) const {
    const int32_t denominator = std::max(state.meterDenominator, 1);
    const int32_t numerator = std::max(state.meterNumerator, 1);
    const double ticksPerBeat = kTransportTicksPerQuarter * 4.0 / denominator;
    const double beatsFromStart = std::max(TicksAt(sampleLocation), 0.0) / ticksPerBeat;
    const double wholeBeats = std::floor(beatsFromStart);
    *bars = static_cast<int32_t>(wholeBeats / numerator) + 1;
    *beats = static_cast<int32_t>(std::fmod(wholeBeats, numerator)) + 1;
    *displayTicks = static_cast<int64_t>((beatsFromStart - wholeBeats) * ticksPerBeat);
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetTicksPerQuarter(uint32_t* ticks) const {
    *ticks = static_cast<uint32_t>(kTransportTicksPerQuarter);
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetCurrentTicksPerBeat(uint32_t* ticks) const {
    *ticks = static_cast<uint32_t>(kTransportTicksPerQuarter * 4.0 /
                                   std::max(state.meterDenominator, 1));
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetTimelineSelectionStartPosition(int64_t* sampleLocation) const {
    *sampleLocation = 0;
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetTimeCodeInfo(int32_t*, int32_t*) const {
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result HostTransport::GetFeetFramesInfo(int32_t*, int64_t*) const {
    return AAX_ERROR_UNIMPLEMENTED;
}

HostMidiNode::HostMidiNode(AAX_ITransport* transport) : mTransport(transport) {
    mPackets.reserve(kCapacity);
    mStream.mBuffer = mPackets.data();
}

void HostMidiNode::SetPackets(const AAX_CMidiPacket* packets, size_t count) {
    count = std::min(count, kCapacity);
    mPackets.assign(packets, packets + count);
    mStream.mBuffer = mPackets.data();
    mStream.mBufferSize = static_cast<uint32_t>(count);
}

AAX_Result HostMidiNode::PostMIDIPacket(AAX_CMidiPacket*) {
    return AAX_ERROR_UNIMPLEMENTED;
}

}  // namespace aaxhost
