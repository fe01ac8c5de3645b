#include "host/aax_vtransport.h"

#include "host/host_reference.h"

AAX_VTransport::AAX_VTransport(IACFUnknown* host) {
    if (host == nullptr) return;
    mTransport = QueryHostInterface<HostTransport>(host, IID_HostTransport);
    mTransportV2 = QueryHostInterface<HostTransportV2>(host, IID_HostTransportV2);
}

AAX_VTransport::~AAX_VTransport() {
    ReleaseHostInterface(mTransportV2);
    ReleaseHostInterface(mTransport);
}

Result AAX_VTransport::GetCurrentTempo(double* tempo) const {
    return mTransport ? mTransport->GetCurrentTempo(tempo) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VTransport::GetCurrentMeter(int32_t* numerator, int32_t* denominator) const {
    return mTransport ? mTransport->GetCurrentMeter(numerator, denominator) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VTransport::IsTransportPlaying(bool* isPlaying) const {
    return mTransport ? mTransport->IsTransportPlaying(isPlaying) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VTransport::TransportSlot4(int64_t* a1) const {
    return mTransport ? mTransport->HostTransportSlot6(a1) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VTransport::TransportSlot5(bool* a1, int64_t* a2, int64_t* a3) const {
    return mTransport ? mTransport->HostTransportSlot7(a1, a2, a3) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VTransport::GetCurrentNativeSampleLocation(int64_t* sampleLocation) const {
    return mTransport ? mTransport->GetCurrentNativeSampleLocation(sampleLocation)
                      : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VTransport::TransportSlot7(int64_t* a1, int64_t a2) const {
    return mTransport ? mTransport->HostTransportSlot9(a1, a2) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VTransport::GetBarBeatPosition(int32_t* bars, int32_t* beats, int64_t* displayTicks,
                                          int64_t sampleLocation) const {
    return mTransport ? mTransport->GetBarBeatPosition(bars, beats, displayTicks, sampleLocation)
                      : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VTransport::TransportSlot9(uint32_t* a1) const {
    return mTransport ? mTransport->HostTransportSlot11(a1) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VTransport::TransportSlot10(uint32_t* a1) const {
    return mTransport ? mTransport->HostTransportSlot12(a1) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VTransport::TransportSlot11(int64_t* a1) const {
    return mTransportV2 ? mTransportV2->HostTransportSlot13(a1) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VTransport::TransportSlot12(int32_t* a1, int32_t* a2) const {
    return mTransportV2 ? mTransportV2->HostTransportSlot14(a1, a2) : AAX_ERROR_NULL_OBJECT;
}

Result AAX_VTransport::TransportSlot13(int32_t* a1, int64_t* a2) const {
    return mTransportV2 ? mTransportV2->HostTransportSlot15(a1, a2) : AAX_ERROR_NULL_OBJECT;
}
