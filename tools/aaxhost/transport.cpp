#include "tools/aaxhost/transport.h"

namespace aaxhost {

StandInTransport::StandInTransport()
    : mVersion1(*this, IID_AAX_IACFTransport), mVersion2(*this, IID_AAX_IACFTransport_V2) {
    Offer<AAX_IACFTransport>(IID_AAX_IACFTransport, &mVersion1);
    Offer<AAX_IACFTransport_V2>(IID_AAX_IACFTransport_V2, &mVersion2);
}

StandInTransport::Facet::Facet(StandInTransport& owner, const acfIID& iid)
    : StandInFacet(owner, iid), mLog(owner.mLog) {}

AAX_Result StandInTransport::Facet::GetCurrentTempo(double* tempo) {
    return mLog.Record(3, Arg(tempo));
}

AAX_Result StandInTransport::Facet::GetCurrentMeter(int32_t* numerator, int32_t* denominator) {
    return mLog.Record(4, Arg(numerator), Arg(denominator));
}

AAX_Result StandInTransport::Facet::IsTransportPlaying(bool* isPlaying) {
    return mLog.Record(5, Arg(isPlaying));
}

AAX_Result StandInTransport::Facet::GetCurrentTickPosition(int64_t* ticks) {
    return mLog.Record(6, Arg(ticks));
}

AAX_Result StandInTransport::Facet::GetCurrentLoopPosition(bool* looping, int64_t* loopStartTick,
                                                           int64_t* loopEndTick) {
    return mLog.Record(7, Arg(looping), Arg(loopStartTick), Arg(loopEndTick));
}

AAX_Result StandInTransport::Facet::GetCurrentNativeSampleLocation(int64_t* sampleLocation) {
    return mLog.Record(8, Arg(sampleLocation));
}

AAX_Result StandInTransport::Facet::GetCustomTickPosition(int64_t* ticks, int64_t sampleLocation) {
    return mLog.Record(9, Arg(ticks), Arg(sampleLocation));
}

AAX_Result StandInTransport::Facet::GetBarBeatPosition(int32_t* bars, int32_t* beats,
                                                       int64_t* displayTicks,
                                                       int64_t sampleLocation) {
    return mLog.Record(10, Arg(bars), Arg(beats), Arg(displayTicks), Arg(sampleLocation));
}

AAX_Result StandInTransport::Facet::GetTicksPerQuarter(uint32_t* ticks) {
    return mLog.Record(11, Arg(ticks));
}

AAX_Result StandInTransport::Facet::GetCurrentTicksPerBeat(uint32_t* ticks) {
    return mLog.Record(12, Arg(ticks));
}

AAX_Result StandInTransport::Facet::GetTimelineSelectionStartPosition(int64_t* sampleLocation) {
    return mLog.Record(13, Arg(sampleLocation));
}

AAX_Result StandInTransport::Facet::GetTimeCodeInfo(int32_t* frameRate, int32_t* offset) {
    return mLog.Record(14, Arg(frameRate), Arg(offset));
}

AAX_Result StandInTransport::Facet::GetFeetFramesInfo(int32_t* frameRate, int64_t* offset) {
    return mLog.Record(15, Arg(frameRate), Arg(offset));
}

}  // namespace aaxhost
