// The stand-in host's automation service. Every call is recorded by host slot, the parameter
// identifier as text.
#pragma once

#include "abi/host_automation_delegate.h"
#include "tools/aaxhost/call_log.h"
#include "tools/aaxhost/stand_in_object.h"

namespace aaxhost {

class StandInAutomationDelegate : public StandInObject {
  public:
    StandInAutomationDelegate();

    CallLog& Log() { return mLog; }

  private:
    class Facet final : public StandInFacet<AAX_IACFAutomationDelegate> {
      public:
        explicit Facet(StandInAutomationDelegate& owner);

        AAX_Result RegisterParameter(AAX_CParamID id) override;
        AAX_Result UnregisterParameter(AAX_CParamID id) override;
        AAX_Result PostSetValueRequest(AAX_CParamID id, double normalized) override;
        AAX_Result PostCurrentValue(AAX_CParamID id, double normalized) override;
        AAX_Result PostTouchRequest(AAX_CParamID id) override;
        AAX_Result PostReleaseRequest(AAX_CParamID id) override;
        AAX_Result GetTouchState(AAX_CParamID id, bool* touched) override;

      private:
        CallLog& mLog;
    };

    CallLog mLog;
    Facet mFacet;
};

}  // namespace aaxhost
