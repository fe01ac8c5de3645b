#include "tools/aaxhost/objects/automation_delegate.h"

namespace aaxhost {

StandInAutomationDelegate::StandInAutomationDelegate() : mFacet(*this) {
    Offer<HostAutomationDelegate>(IID_HostAutomationDelegate, &mFacet);
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

void StandInAutomationDelegate::Answer(ParameterId id, double normalized) {
    if (mEffect == nullptr || id == nullptr) return;
    if (mAnswer == SetRequestAnswer::kAtOnce) {
        mEffect->UpdateParameterNormalizedValue(id, normalized, 0);
    } else if (mAnswer == SetRequestAnswer::kQueued) {
        std::lock_guard lock(mQueueMutex);
        mQueue.push_back(Update{id, normalized});
    }
}

StandInAutomationDelegate::Facet::Facet(StandInAutomationDelegate& owner)
    : StandInFacet(owner, IID_HostAutomationDelegate), mDelegate(owner) {}

Result StandInAutomationDelegate::Facet::RegisterParameter(ParameterId id) {
    return mDelegate.mLog.Record(3, Text(id));
}

Result StandInAutomationDelegate::Facet::UnregisterParameter(ParameterId id) {
    return mDelegate.mLog.Record(4, Text(id));
}

Result StandInAutomationDelegate::Facet::PostSetValueRequest(ParameterId id, double normalized) {
    const Result result = mDelegate.mLog.Record(5, Text(id), Arg(normalized));
    mDelegate.Answer(id, normalized);
    return result;
}

Result StandInAutomationDelegate::Facet::PostCurrentValue(ParameterId id, double normalized) {
    return mDelegate.mLog.Record(6, Text(id), Arg(normalized));
}

Result StandInAutomationDelegate::Facet::PostTouchRequest(ParameterId id) {
    return mDelegate.mLog.Record(7, Text(id));
}

Result StandInAutomationDelegate::Facet::PostReleaseRequest(ParameterId id) {
    return mDelegate.mLog.Record(8, Text(id));
}

Result StandInAutomationDelegate::Facet::GetTouchState(ParameterId id, bool* touched) {
    return mDelegate.mLog.Record(9, Text(id), Arg(touched));
}

}  // namespace aaxhost
