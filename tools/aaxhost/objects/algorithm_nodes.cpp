#include "tools/aaxhost/objects/algorithm_nodes.h"

#include <algorithm>
#include <cmath>

namespace aaxhost {

double NodeTransport::TicksAt(int64_t sampleLocation) const {
    const double seconds = static_cast<double>(sampleLocation) / state.sampleRate;
    return seconds * state.tempo / 60.0 * kTransportTicksPerQuarter;
}

Result NodeTransport::GetCurrentTempo(double* tempo) const {
    *tempo = state.tempo;
    return AAX_SUCCESS;
}

Result NodeTransport::GetCurrentMeter(int32_t* numerator, int32_t* denominator) const {
    *numerator = state.meterNumerator;
    *denominator = state.meterDenominator;
    return AAX_SUCCESS;
}

Result NodeTransport::IsTransportPlaying(bool* isPlaying) const {
    *isPlaying = state.playing;
    return AAX_SUCCESS;
}

Result NodeTransport::TransportSlot4(int64_t* a1) const {
    *a1 = static_cast<int64_t>(TicksAt(state.sampleLocation));
    return AAX_SUCCESS;
}

Result NodeTransport::TransportSlot5(bool* a1, int64_t* a2, int64_t* a3) const {
    *a1 = false;
    *a2 = 0;
    *a3 = 0;
    return AAX_SUCCESS;
}

Result NodeTransport::GetCurrentNativeSampleLocation(int64_t* sampleLocation) const {
    *sampleLocation = state.sampleLocation;
    return AAX_SUCCESS;
}

Result NodeTransport::TransportSlot7(int64_t* a1, int64_t a2) const {
    *a1 = static_cast<int64_t>(TicksAt(a2));
    return AAX_SUCCESS;
}

Result NodeTransport::GetBarBeatPosition(int32_t* bars, int32_t* beats, int64_t* displayTicks,
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

Result NodeTransport::TransportSlot9(uint32_t* a1) const {
    *a1 = static_cast<uint32_t>(kTransportTicksPerQuarter);
    return AAX_SUCCESS;
}

Result NodeTransport::TransportSlot10(uint32_t* a1) const {
    *a1 = static_cast<uint32_t>(kTransportTicksPerQuarter * 4.0 /
                                std::max(state.meterDenominator, 1));
    return AAX_SUCCESS;
}

Result NodeTransport::TransportSlot11(int64_t* a1) const {
    *a1 = 0;
    return AAX_SUCCESS;
}

Result NodeTransport::TransportSlot12(int32_t*, int32_t*) const {
    return AAX_ERROR_UNIMPLEMENTED;
}

Result NodeTransport::TransportSlot13(int32_t*, int64_t*) const {
    return AAX_ERROR_UNIMPLEMENTED;
}

HostMidiNode::HostMidiNode(AAX_ITransport* transport) : mTransport(transport) {
    mPackets.reserve(kCapacity);
    mStream.mBuffer = mPackets.data();
}

void HostMidiNode::SetPackets(const MidiPacket* packets, size_t count) {
    count = std::min(count, kCapacity);
    mPackets.assign(packets, packets + count);
    mStream.mBuffer = mPackets.data();
    mStream.mBufferSize = static_cast<uint32_t>(count);
}

Result HostMidiNode::MidiNodeSlot2(MidiPacket*) {
    return AAX_ERROR_UNIMPLEMENTED;
}

}  // namespace aaxhost
