// The stand-in host's transport, offered as the version 1 and version 2 transport interfaces (two
// distinct pointers on one object). Every call is recorded by host slot.
#pragma once

#include <cstdint>

#include "abi/host_transport.h"
#include "tools/aaxhost/objects/call_log.h"
#include "tools/aaxhost/objects/stand_in_object.h"

namespace aaxhost {

class StandInTransport : public StandInObject {
  public:
    StandInTransport();

    CallLog& Log() { return mLog; }

  private:
    class Facet final : public StandInFacet<HostTransportV2> {
      public:
        Facet(StandInTransport& owner, const InterfaceId& iid);

        Result GetCurrentTempo(double* tempo) override;
        Result GetCurrentMeter(int32_t* numerator, int32_t* denominator) override;
        Result IsTransportPlaying(bool* isPlaying) override;
        Result HostTransportSlot6(int64_t*) override;
        Result HostTransportSlot7(bool*, int64_t*, int64_t*) override;
        Result GetCurrentNativeSampleLocation(int64_t* sampleLocation) override;
        Result HostTransportSlot9(int64_t*, int64_t) override;
        Result GetBarBeatPosition(int32_t* bars, int32_t* beats, int64_t* displayTicks,
                                  int64_t sampleLocation) override;
        Result HostTransportSlot11(uint32_t*) override;
        Result HostTransportSlot12(uint32_t*) override;
        Result HostTransportSlot13(int64_t*) override;
        Result HostTransportSlot14(int32_t*, int32_t*) override;
        Result HostTransportSlot15(int32_t*, int64_t*) override;

      private:
        CallLog& mLog;
    };

    CallLog mLog;
    Facet mVersion1;
    Facet mVersion2;
};

}  // namespace aaxhost
