#include "tools/aaxhost/objects/host_services.h"

namespace aaxhost {

StandInHostServices::StandInHostServices() : mFacet(*this) {
    Offer<HostGeneralServices>(IID_HostGeneralServices, &mFacet);
}

StandInHostServices::Facet::Facet(StandInHostServices& owner)
    : StandInFacet(owner, IID_HostGeneralServices), mLog(owner.mLog) {}

Result StandInHostServices::Facet::HostGeneralServicesSlot3(const char* a1, int32_t a2,
                                                            const char* a3) {
    return mLog.Reply(3, {Text(a1), Arg(a2), Text(a3)});
}

Result StandInHostServices::Facet::HostGeneralServicesSlot4(int32_t a1, const char* a2) {
    return mLog.Reply(4, {Arg(a1), Text(a2)});
}

}  // namespace aaxhost
