#include "tools/aaxhost/host_services.h"

namespace aaxhost {

StandInHostServices::StandInHostServices() : mFacet(*this) {
    Offer<AAX_IACFHostServices>(IID_AAX_IACFHostServices, &mFacet);
}

StandInHostServices::Facet::Facet(StandInHostServices& owner)
    : StandInFacet(owner, IID_AAX_IACFHostServices), mLog(owner.mLog) {}

AAX_Result StandInHostServices::Facet::HandleAssertFailure(const char* file, int32_t line,
                                                           const char* note) {
    return mLog.Reply(3, {Text(file), Arg(line), Text(note)});
}

AAX_Result StandInHostServices::Facet::Trace(int32_t priority, const char* message) {
    return mLog.Reply(4, {Arg(priority), Text(message)});
}

}  // namespace aaxhost
