// The stand-in host's general services component. Every call is recorded by host slot, texts
// copied.
#pragma once

#include <cstdint>

#include "abi/host_services.h"
#include "tools/aaxhost/call_log.h"
#include "tools/aaxhost/stand_in_object.h"

namespace aaxhost {

class StandInHostServices : public StandInObject {
  public:
    StandInHostServices();

    CallLog& Log() { return mLog; }

  private:
    class Facet final : public StandInFacet<AAX_IACFHostServices> {
      public:
        explicit Facet(StandInHostServices& owner);

        AAX_Result HandleAssertFailure(const char* file, int32_t line, const char* note) override;
        AAX_Result Trace(int32_t priority, const char* message) override;

      private:
        CallLog& mLog;
    };

    CallLog mLog;
    Facet mFacet;
};

}  // namespace aaxhost
