// The stand-in host's general services component. Every call is recorded by host slot, texts
// copied.
#pragma once

#include <cstdint>

#include "abi/host_services.h"
#include "tools/aaxhost/objects/call_log.h"
#include "tools/aaxhost/objects/stand_in_object.h"

namespace aaxhost {

class StandInHostServices : public StandInObject {
  public:
    StandInHostServices();

    CallLog& Log() { return mLog; }

  private:
    class Facet final : public StandInFacet<HostGeneralServices> {
      public:
        explicit Facet(StandInHostServices& owner);

        Result HostGeneralServicesSlot3(const char*, int32_t, const char*) override;
        Result HostGeneralServicesSlot4(int32_t, const char*) override;

      private:
        CallLog& mLog;
    };

    CallLog mLog;
    Facet mFacet;
};

}  // namespace aaxhost
