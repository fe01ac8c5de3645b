#include "tools/aaxhost/automation_delegate.h"

namespace aaxhost {

StandInAutomationDelegate::StandInAutomationDelegate() : mFacet(*this) {
    Offer<AAX_IACFAutomationDelegate>(IID_AAX_IACFAutomationDelegate, &mFacet);
}

void StandInAutomationDelegate::AnswerSetRequests(AAX_IACFEffectParameters* effect,
                                                  SetRequestAnswer answer) {
    mEffect = effect;
    mAnswer = answer;
}

size_t StandInAutomationDelegate::Pump() {
    size_t delivered = 0;
    for (;;) {
        Update update;
        {
            std::lock_guard lock(mQueueMutex);
            if (mQueue.empty()) return delivered;
            update = std::move(mQueue.front());
            mQueue.pop_front();
        }
        // No lock is held while the effect runs: it may post new requests.
        if (mEffect != nullptr) {
            mEffect->UpdateParameterNormalizedValue(update.identifier.c_str(), update.normalized,
                                                    0);
        }
        ++delivered;
    }
}

void StandInAutomationDelegate::Answer(AAX_CParamID id, double normalized) {
    if (mEffect == nullptr || id == nullptr) return;
    if (mAnswer == SetRequestAnswer::kAtOnce) {
        mEffect->UpdateParameterNormalizedValue(id, normalized, 0);
    } else if (mAnswer == SetRequestAnswer::kQueued) {
        std::lock_guard lock(mQueueMutex);
        mQueue.push_back(Update{id, normalized});
    }
}

StandInAutomationDelegate::Facet::Facet(StandInAutomationDelegate& owner)
    : StandInFacet(owner, IID_AAX_IACFAutomationDelegate), mDelegate(owner) {}

AAX_Result StandInAutomationDelegate::Facet::RegisterParameter(AAX_CParamID id) {
    return mDelegate.mLog.Record(3, Text(id));
}

AAX_Result StandInAutomationDelegate::Facet::UnregisterParameter(AAX_CParamID id) {
    return mDelegate.mLog.Record(4, Text(id));
}

AAX_Result StandInAutomationDelegate::Facet::PostSetValueRequest(AAX_CParamID id,
                                                                 double normalized) {
    const AAX_Result result = mDelegate.mLog.Record(5, Text(id), Arg(normalized));
    mDelegate.Answer(id, normalized);
    return result;
}

AAX_Result StandInAutomationDelegate::Facet::PostCurrentValue(AAX_CParamID id, double normalized) {
    return mDelegate.mLog.Record(6, Text(id), Arg(normalized));
}

AAX_Result StandInAutomationDelegate::Facet::PostTouchRequest(AAX_CParamID id) {
    return mDelegate.mLog.Record(7, Text(id));
}

AAX_Result StandInAutomationDelegate::Facet::PostReleaseRequest(AAX_CParamID id) {
    return mDelegate.mLog.Record(8, Text(id));
}

AAX_Result StandInAutomationDelegate::Facet::GetTouchState(AAX_CParamID id, bool* touched) {
    return mDelegate.mLog.Record(9, Text(id), Arg(touched));
}

}  // namespace aaxhost
