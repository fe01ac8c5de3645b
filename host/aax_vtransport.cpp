#include "host/aax_vtransport.h"

#include "host/host_reference.h"

AAX_VTransport::AAX_VTransport(IACFUnknown* host) {
    if (host == nullptr) return;
    mTransport = QueryHostInterface<AAX_IACFTransport>(host, IID_AAX_IACFTransport);
    mTransportV2 = QueryHostInterface<AAX_IACFTransport_V2>(host, IID_AAX_IACFTransport_V2);
}

AAX_VTransport::~AAX_VTransport() {
    ReleaseHostInterface(mTransportV2);
    ReleaseHostInterface(mTransport);
}

AAX_Result AAX_VTransport::GetCurrentTempo(double* tempo) const {
    return mTransport ? mTransport->GetCurrentTempo(tempo) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetCurrentMeter(int32_t* numerator, int32_t* denominator) const {
    return mTransport ? mTransport->GetCurrentMeter(numerator, denominator) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::IsTransportPlaying(bool* isPlaying) const {
    return mTransport ? mTransport->IsTransportPlaying(isPlaying) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetCurrentTickPosition(int64_t* ticks) const {
    return mTransport ? mTransport->GetCurrentTickPosition(ticks) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetCurrentLoopPosition(bool* looping, int64_t* loopStartTick,
                                                  int64_t* loopEndTick) const {
    return mTransport ? mTransport->GetCurrentLoopPosition(looping, loopStartTick, loopEndTick)
                      : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetCurrentNativeSampleLocation(int64_t* sampleLocation) const {
    return mTransport ? mTransport->GetCurrentNativeSampleLocation(sampleLocation)
                      : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetCustomTickPosition(int64_t* ticks, int64_t sampleLocation) const {
    return mTransport ? mTransport->GetCustomTickPosition(ticks, sampleLocation)
                      : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetBarBeatPosition(int32_t* bars, int32_t* beats, int64_t* displayTicks,
                                              int64_t sampleLocation) const {
    return mTransport ? mTransport->GetBarBeatPosition(bars, beats, displayTicks, sampleLocation)
                      : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetTicksPerQuarter(uint32_t* ticks) const {
    return mTransport ? mTransport->GetTicksPerQuarter(ticks) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetCurrentTicksPerBeat(uint32_t* ticks) const {
    return mTransport ? mTransport->GetCurrentTicksPerBeat(ticks) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetTimelineSelectionStartPosition(int64_t* sampleLocation) const {
    return mTransportV2 ? mTransportV2->GetTimelineSelectionStartPosition(sampleLocation)
                        : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetTimeCodeInfo(int32_t* frameRate, int32_t* offset) const {
    return mTransportV2 ? mTransportV2->GetTimeCodeInfo(frameRate, offset) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetFeetFramesInfo(int32_t* frameRate, int64_t* offset) const {
    return mTransportV2 ? mTransportV2->GetFeetFramesInfo(frameRate, offset)
                        : AAX_ERROR_NULL_OBJECT;
}
