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
class HostTransport final : public BoundaryObject<AAX_ITransport> {
  public:
    TransportState state;

    AAX_Result GetCurrentTempo(double* tempo) const override;
    AAX_Result GetCurrentMeter(int32_t* numerator, int32_t* denominator) const override;
    AAX_Result IsTransportPlaying(bool* isPlaying) const override;
    AAX_Result GetCurrentTickPosition(int64_t* ticks) const override;
    AAX_Result GetCurrentLoopPosition(bool* looping, int64_t* loopStartTick,
                                      int64_t* loopEndTick) const override;
    AAX_Result GetCurrentNativeSampleLocation(int64_t* sampleLocation) const override;
    AAX_Result GetCustomTickPosition(int64_t* ticks, int64_t sampleLocation) const override;
    AAX_Result GetBarBeatPosition(int32_t* bars, int32_t* beats, int64_t* displayTicks,
                                  int64_t sampleLocation) const override;
    AAX_Result GetTicksPerQuarter(uint32_t* ticks) const override;
    AAX_Result GetCurrentTicksPerBeat(uint32_t* ticks) const override;
    AAX_Result GetTimelineSelectionStartPosition(int64_t* sampleLocation) const override;
    AAX_Result GetTimeCodeInfo(int32_t* frameRate, int32_t* offset) const override;
    AAX_Result GetFeetFramesInfo(int32_t* frameRate, int64_t* offset) const override;

  private:
    // Transport ticks from sample 0 to `sampleLocation`.
    double TicksAt(int64_t sampleLocation) const;
};

// A MIDI node: the transport node hands out a transport, an input node a block's packets.
class HostMidiNode final : public BoundaryObject<AAX_IMIDINode> {
  public:
    static constexpr size_t kCapacity = 1024;

    explicit HostMidiNode(AAX_ITransport* transport = nullptr);

    // Keeps at most kCapacity packets for the next block; allocates nothing.
    void SetPackets(const AAX_CMidiPacket* packets, size_t count);
    void ClearPackets() { SetPackets(nullptr, 0); }

    AAX_CMidiStream* GetNodeBuffer() override { return &mStream; }
    AAX_Result PostMIDIPacket(AAX_CMidiPacket* packet) override;
    AAX_ITransport* GetTransport() override { return mTransport; }

  private:
    AAX_ITransport* mTransport;
    std::vector<AAX_CMidiPacket> mPackets;
    AAX_CMidiStream mStream{};
};

}  // namespace aaxhost
