// The stand-in host's transport, offered as the version 1 and version 2 transport interfaces (two
// distinct pointers on one object). Every call is recorded by host slot.
#pragma once

#include <cstdint>

#include "abi/host_transport.h"
#include "tools/aaxhost/call_log.h"
#include "tools/aaxhost/stand_in_object.h"

namespace aaxhost {

class StandInTransport : public StandInObject {
  public:
    StandInTransport();

    CallLog& Log() { return mLog; }

  private:
    class Facet final : public StandInFacet<AAX_IACFTransport_V2> {
      public:
        Facet(StandInTransport& owner, const acfIID& iid);

        AAX_Result GetCurrentTempo(double* tempo) override;
        AAX_Result GetCurrentMeter(int32_t* numerator, int32_t* denominator) override;
        AAX_Result IsTransportPlaying(bool* isPlaying) override;
        AAX_Result GetCurrentTickPosition(int64_t* ticks) override;
        AAX_Result GetCurrentLoopPosition(bool* looping, int64_t* loopStartTick,
                                          int64_t* loopEndTick) override;
        AAX_Result GetCurrentNativeSampleLocation(int64_t* sampleLocation) override;
        AAX_Result GetCustomTickPosition(int64_t* ticks, int64_t sampleLocation) override;
        AAX_Result GetBarBeatPosition(int32_t* bars, int32_t* beats, int64_t* displayTicks,
                                      int64_t sampleLocation) override;
        AAX_Result GetTicksPerQuarter(uint32_t* ticks) override;
        AAX_Result GetCurrentTicksPerBeat(uint32_t* ticks) override;
        AAX_Result GetTimelineSelectionStartPosition(int64_t* sampleLocation) override;
        AAX_Result GetTimeCodeInfo(int32_t* frameRate, int32_t* offset) override;
        AAX_Result GetFeetFramesInfo(int32_t* frameRate, int64_t* offset) override;

      private:
        CallLog& mLog;
    };

    CallLog mLog;
    Facet mVersion1;
    Facet mVersion2;
};

}  // namespace aaxhost
