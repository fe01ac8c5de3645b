// The stand-in host's automation service. Every call is recorded by host slot, the parameter
// identifier as text. Given the effect, it answers each set request the way a workstation does,
// with the effect's UpdateParameterNormalizedValue (update source 0): later, when the test pumps
// the queue, or at once, from inside the request.
#pragma once

#include <cstddef>
#include <deque>
#include <mutex>
#include <string>

#include "abi/effect_parameters.h"
#include "abi/host_automation_delegate.h"
#include "tools/aaxhost/objects/call_log.h"
#include "tools/aaxhost/objects/stand_in_object.h"

namespace aaxhost {

enum class SetRequestAnswer {
    kNone,    // recorded only
    kQueued,  // answered by Pump, in arrival order
    kAtOnce,  // answered inside the request: the effect is called re-entrantly
};

class StandInAutomationDelegate : public StandInObject {
  public:
    StandInAutomationDelegate();

    CallLog& Log() { return mLog; }
    // The effect that set requests are answered on, not referenced: the test keeps it alive
    // while requests may arrive. Null answers nothing.
    void AnswerSetRequests(AAX_IACFEffectParameters* effect, SetRequestAnswer answer);
    // Delivers the queued answers, including those queued while delivering; returns how many.
    size_t Pump();

  private:
    struct Update {
        std::string identifier;
        double normalized;
    };

    class Facet final : public StandInFacet<HostAutomationDelegate> {
      public:
        explicit Facet(StandInAutomationDelegate& owner);

        Result RegisterParameter(ParameterId id) override;
        Result UnregisterParameter(ParameterId id) override;
        Result PostSetValueRequest(ParameterId id, double normalized) override;
        Result PostCurrentValue(ParameterId id, double normalized) override;
        Result PostTouchRequest(ParameterId id) override;
        Result PostReleaseRequest(ParameterId id) override;
        Result GetTouchState(ParameterId id, bool* touched) override;

      private:
        StandInAutomationDelegate& mDelegate;
    };

    void Answer(ParameterId id, double normalized);

    CallLog mLog;
    std::mutex mQueueMutex;
    std::deque<Update> mQueue;
    AAX_IACFEffectParameters* mEffect = nullptr;
    SetRequestAnswer mAnswer = SetRequestAnswer::kNone;
    Facet mFacet;
};

}  // namespace aaxhost
