// AAX_ITransport over the host's transport interfaces. Slots 1 to 10 forward to the version 1
// interface, 11 to 13 to version 2; a missing interface answers AAX_ERROR_NULL_OBJECT.
#pragma once

#include "abi/host_transport.h"
#include "abi/transport.h"
#include "abi/unknown.h"

class AAX_VTransport : public BoundaryObject<AAX_ITransport> {
  public:
    // Takes one reference on each transport interface that `host` (possibly null) offers.
    explicit AAX_VTransport(IACFUnknown* host);
    // Gives the references back, version 2 first.
    ~AAX_VTransport() override;
    AAX_VTransport(const AAX_VTransport&) = delete;
    AAX_VTransport& operator=(const AAX_VTransport&) = delete;

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
    HostTransport* mTransport = nullptr;
    HostTransportV2* mTransportV2 = nullptr;
};
