#include "tools/aaxhost/objects/transport.h"

namespace aaxhost {

StandInTransport::StandInTransport()
    : mVersion1(*this, IID_HostTransport), mVersion2(*this, IID_HostTransportV2) {
    Offer<HostTransport>(IID_HostTransport, &mVersion1);
    Offer<HostTransportV2>(IID_HostTransportV2, &mVersion2);
}

StandInTransport::Facet::Facet(StandInTransport& owner, const InterfaceId& iid)
    : StandInFacet(owner, iid), mLog(owner.mLog) {}

Result StandInTransport::Facet::GetCurrentTempo(double* tempo) {
    return mLog.Record(3, Arg(tempo));
}

Result StandInTransport::Facet::GetCurrentMeter(int32_t* numerator, int32_t* denominator) {
    return mLog.Record(4, Arg(numerator), Arg(denominator));
}

Result StandInTransport::Facet::IsTransportPlaying(bool* isPlaying) {
    return mLog.Record(5, Arg(isPlaying));
}

Result StandInTransport::Facet::HostTransportSlot6(int64_t* a1) {
    return mLog.Record(6, Arg(a1));
}

Result StandInTransport::Facet::HostTransportSlot7(bool* a1, int64_t* a2, int64_t* a3) {
    return mLog.Record(7, Arg(a1), Arg(a2), Arg(a3));
}

Result StandInTransport::Facet::GetCurrentNativeSampleLocation(int64_t* sampleLocation) {
    return mLog.Record(8, Arg(sampleLocation));
}

Result StandInTransport::Facet::HostTransportSlot9(int64_t* a1, int64_t a2) {
    return mLog.Record(9, Arg(a1), Arg(a2));
}

Result StandInTransport::Facet::GetBarBeatPosition(int32_t* bars, int32_t* beats,
                                                   int64_t* displayTicks, int64_t sampleLocation) {
    return mLog.Record(10, Arg(bars), Arg(beats), Arg(displayTicks), Arg(sampleLocation));
}

Result StandInTransport::Facet::HostTransportSlot11(uint32_t* a1) {
    return mLog.Record(11, Arg(a1));
}

Result StandInTransport::Facet::HostTransportSlot12(uint32_t* a1) {
    return mLog.Record(12, Arg(a1));
}

Result StandInTransport::Facet::HostTransportSlot13(int64_t* a1) {
    return mLog.Record(13, Arg(a1));
}

Result StandInTransport::Facet::HostTransportSlot14(int32_t* a1, int32_t* a2) {
    return mLog.Record(14, Arg(a1), Arg(a2));
}

Result StandInTransport::Facet::HostTransportSlot15(int32_t* a1, int64_t* a2) {
    return mLog.Record(15, Arg(a1), Arg(a2));
}

}  // namespace aaxhost
