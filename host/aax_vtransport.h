// AAX_ITransport over the host's transport interfaces. Slots 1 to 10 forward to the version 1
// interface, 11 to 13 to version 2; a missing interface answers AAX_ERROR_NULL_OBJECT.
#pragma once

#include "abi/acf.h"
#include "abi/host_transport.h"
#include "abi/transport.h"

class AAX_VTransport : public BoundaryObject<AAX_ITransport> {
  public:
    // Takes one reference on each transport interface that `host` (possibly null) offers.
    explicit AAX_VTransport(IACFUnknown* host);
    // Gives the references back, version 2 first.
    ~AAX_VTransport() override;
    AAX_VTransport(const AAX_VTransport&) = delete;
    AAX_VTransport& operator=(const AAX_VTransport&) = delete;

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
    AAX_IACFTransport* mTransport = nullptr;
    AAX_IACFTransport_V2* mTransportV2 = nullptr;
};
