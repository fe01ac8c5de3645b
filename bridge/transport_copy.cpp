#include "bridge/transport_copy.h"

#include <cstdint>

#include "abi/transport.h"
#include "bridge/vst_callback.h"

namespace {

// Stores are released so that a time request on another thread, which reads them between two
// sequence counts, never sees one from before the count that opened this block's writes.
constexpr auto kRelaxed = std::memory_order_relaxed;
constexpr auto kRelease = std::memory_order_release;

// Quarter notes from the transport's bar and beat, measured from the origin fixed at the start.
void CopyPosition(const AAX_ITransport& transport, VstCallBack& callBack, int64_t location,
                  bool startBlock) {
    int32_t bars = 0;
    int32_t beats = 0;
    int64_t ticks = 0;
    if (transport.GetBarBeatPosition(&bars, &beats, &ticks, location) != AAX_SUCCESS) return;
    // A meter query that failed this block leaves the last denominator the host gave.
    const double denominator = callBack.meterDenominator.load(kRelaxed);
    if (startBlock) callBack.ppqOrigin.store((bars + 1.0) * denominator + 1.0, kRelease);
    const double position = bars * denominator + beats +
                            static_cast<double>(ticks) / kTransportTicksPerQuarter -
                            callBack.ppqOrigin.load(kRelaxed);
    callBack.ppqPosition.store(position, kRelease);
    callBack.samplePosition.store(static_cast<int32_t>(static_cast<uint32_t>(location)), kRelease);
    callBack.ppqValid.store(1, kRelease);
}

}  // namespace

void CopyTransport(const AAX_ITransport& transport, VstCallBack& callBack) {
    bool playing = false;
    transport.IsTransportPlaying(&playing);
    callBack.isPlaying.store(playing ? 1 : 0, kRelease);
    const bool startBlock = playing && callBack.WasPlaying() == 0;

    int64_t location = 0;
    if (transport.GetCurrentNativeSampleLocation(&location) != AAX_SUCCESS) return;

    // The caller cleared the three valid flags before asking.
    double tempo = 0.0;
    if (transport.GetCurrentTempo(&tempo) == AAX_SUCCESS) {
        callBack.tempo.store(tempo, kRelease);
        callBack.tempoValid.store(1, kRelease);
    }

    int32_t numerator = 0;
    int32_t denominator = 0;
    if (transport.GetCurrentMeter(&numerator, &denominator) == AAX_SUCCESS) {
        callBack.meterNumerator.store(numerator, kRelease);
        callBack.meterDenominator.store(denominator, kRelease);
        callBack.meterValid.store(1, kRelease);
    }

    if (playing) CopyPosition(transport, callBack, location, startBlock);
}
