// The objects a host places in an instance's algorithm context for the real-time thread: the
// transport, which follows the sample position of each block, and MIDI nodes holding one block's
// packets. Set between blocks on the host's thread, read by the render thread during a block.
#pragma once

#include <cstdint>
#include <vector>

#include "abi/midi.h"
#include "abi/transport.h"

namespace aaxhost {

struct TransportState {
    bool playing = false;
    double tempo = 120.0;
    int32_t meterNumerator = 4;
    int32_t meterDenominator = 4;
    double sampleRate = 44100.0;
    int64_t sampleLocation = 0;  // of the block's first frame
};

// Answers tempo, meter, playing state, sample location and the bar, beat and ticks that the
// sample location falls on at a constant tempo from sample 0 (bar 1, beat 1).
class NodeTransport final : public BoundaryObject<AAX_ITransport> {
  public:
    TransportState state;

    Result GetCurrentTempo(double* tempo) const override;
    Result GetCurrentMeter(int32_t* numerator, int32_t* denominator) const override;
    Result IsTransportPlaying(bool* isPlaying) const override;
    Result TransportSlot4(int64_t*) const override;
    Result TransportSlot5(bool*, int64_t*, int64_t*) const override;
    Result GetCurrentNativeSampleLocation(int64_t* sampleLocation) const override;
    Result TransportSlot7(int64_t*, int64_t) const override;
    Result GetBarBeatPosition(int32_t* bars, int32_t* beats, int64_t* displayTicks,
                              int64_t sampleLocation) const override;
    Result TransportSlot9(uint32_t*) const override;
    Result TransportSlot10(uint32_t*) const override;
    Result TransportSlot11(int64_t*) const override;
    Result TransportSlot12(int32_t*, int32_t*) const override;
    Result TransportSlot13(int32_t*, int64_t*) const override;

  private:
    // Transport ticks from sample 0 to `sampleLocation`.
    double TicksAt(int64_t sampleLocation) const;
};

// A MIDI node: the transport node hands out a transport, an input node a block's packets.
class HostMidiNode final : public BoundaryObject<MidiNode> {
  public:
    static constexpr size_t kCapacity = 1024;

    explicit HostMidiNode(AAX_ITransport* transport = nullptr);

    // Keeps at most kCapacity packets for the next block; allocates nothing.
    void SetPackets(const MidiPacket* packets, size_t count);
    void ClearPackets() { SetPackets(nullptr, 0); }

    MidiStream* GetNodeBuffer() override { return &mStream; }
    Result MidiNodeSlot2(MidiPacket*) override;
    AAX_ITransport* GetTransport() override { return mTransport; }

  private:
    AAX_ITransport* mTransport;
    std::vector<MidiPacket> mPackets;
    MidiStream mStream{};
};

}  // namespace aaxhost
