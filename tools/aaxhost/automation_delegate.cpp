#include "tools/aaxhost/automation_delegate.h"

namespace aaxhost {

StandInAutomationDelegate::StandInAutomationDelegate() : mFacet(*this) {
    Offer<AAX_IACFAutomationDelegate>(IID_AAX_IACFAutomationDelegate, &mFacet);
}

StandInAutomationDelegate::Facet::Facet(StandInAutomationDelegate& owner)
    : StandInFacet(owner, IID_AAX_IACFAutomationDelegate), mLog(owner.mLog) {}

AAX_Result StandInAutomationDelegate::Facet::RegisterParameter(AAX_CParamID id) {
    return mLog.Reply(3, {Text(id)});
}

AAX_Result StandInAutomationDelegate::Facet::UnregisterParameter(AAX_CParamID id) {
    return mLog.Reply(4, {Text(id)});
}

AAX_Result StandInAutomationDelegate::Facet::PostSetValueRequest(AAX_CParamID id,
                                                                 double normalized) {
    return mLog.Reply(5, {Text(id), Arg(normalized)});
}

AAX_Result StandInAutomationDelegate::Facet::PostCurrentValue(AAX_CParamID id, double normalized) {
    return mLog.Reply(6, {Text(id), Arg(normalized)});
}

AAX_Result StandInAutomationDelegate::Facet::PostTouchRequest(AAX_CParamID id) {
    return mLog.Reply(7, {Text(id)});
}

AAX_Result StandInAutomationDelegate::Facet::PostReleaseRequest(AAX_CParamID id) {
    return mLog.Reply(8, {Text(id)});
}

AAX_Result StandInAutomationDelegate::Facet::GetTouchState(AAX_CParamID id, bool* touched) {
    return mLog.Reply(9, {Text(id), Arg(touched)});
}

}  // namespace aaxhost
