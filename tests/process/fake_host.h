// Stand-ins for the host objects that an algorithm context points at: a transport whose answers
// a test sets, and a MIDI node holding one block's packets or the transport.
#pragma once

#include <cstdint>
#include <vector>

#include "abi/midi.h"
#include "abi/transport.h"
#include "c_kit.h"

// The C++ transport keeps its answers in the same record as the C kit's, so one test can drive
// either.
class FakeTransport : public BoundaryObject<AAX_ITransport>, public ck_transport_state {
  public:
    FakeTransport() { ck_transport_state_init(this); }

    Result GetCurrentTempo(double* value) const override {
        if (tempoResult == AAX_SUCCESS) *value = tempo;
        return tempoResult;
    }
    Result GetCurrentMeter(int32_t* num, int32_t* den) const override {
        if (meterResult != AAX_SUCCESS) return meterResult;
        *num = numerator;
        *den = denominator;
        return AAX_SUCCESS;
    }
    Result IsTransportPlaying(bool* value) const override {
        *value = playing;
        return AAX_SUCCESS;
    }
    Result TransportSlot4(int64_t*) const override { return kNo; }
    Result TransportSlot5(bool*, int64_t*, int64_t*) const override { return kNo; }
    Result GetCurrentNativeSampleLocation(int64_t* location) const override {
        if (locationResult == AAX_SUCCESS) *location = sampleLocation;
        return locationResult;
    }
    Result TransportSlot7(int64_t*, int64_t) const override { return kNo; }
    Result GetBarBeatPosition(int32_t* bar, int32_t* beat, int64_t* tick,
                              int64_t location) const override {
        const_cast<FakeTransport*>(this)->barBeatLocationAsked = location;
        if (barBeatResult != AAX_SUCCESS) return barBeatResult;
        *bar = bars;
        *beat = beats;
        *tick = ticks;
        return AAX_SUCCESS;
    }
    Result TransportSlot9(uint32_t*) const override { return kNo; }
    Result TransportSlot10(uint32_t*) const override { return kNo; }
    Result TransportSlot11(int64_t*) const override { return kNo; }
    Result TransportSlot12(int32_t*, int32_t*) const override { return kNo; }
    Result TransportSlot13(int32_t*, int64_t*) const override { return kNo; }

  private:
    static constexpr Result kNo = AAX_ERROR_UNIMPLEMENTED;
};

class FakeMidiNode : public BoundaryObject<MidiNode> {
  public:
    // Null gives no transport; an input node has none.
    explicit FakeMidiNode(AAX_ITransport* transport = nullptr) : transport_(transport) {}

    // Sets the block's packets; the buffer is reserved so that a block allocates nothing.
    void SetPackets(const std::vector<MidiPacket>& packets) {
        packets_.reserve(512);
        packets_ = packets;
        stream_.mBufferSize = static_cast<uint32_t>(packets_.size());
        stream_.mBuffer = packets_.data();
    }
    bool hasStream = true;

    MidiStream* GetNodeBuffer() override { return hasStream ? &stream_ : nullptr; }
    Result MidiNodeSlot2(MidiPacket*) override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_ITransport* GetTransport() override { return transport_; }

  private:
    AAX_ITransport* transport_;
    std::vector<MidiPacket> packets_;
    MidiStream stream_{};
};

inline MidiPacket Packet(uint32_t timestamp, unsigned char status, unsigned char data1,
                         unsigned char data2) {
    return MidiPacket{timestamp, 3, {status, data1, data2, 0x55}, false};
}
