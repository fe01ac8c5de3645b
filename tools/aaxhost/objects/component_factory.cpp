#include "tools/aaxhost/objects/component_factory.h"

namespace aaxhost {

StandInComponentFactory::StandInComponentFactory() : mFacet(*this) {
    Offer<HostComponentFactory>(IID_HostComponentFactory, &mFacet);
}

void StandInComponentFactory::Provide(const ClassId& clsid, StandInObject& component) {
    ProvideEach(clsid, [&component] { return &component; });
}

void StandInComponentFactory::ProvideEach(const ClassId& clsid, Maker make) {
    mComponents.emplace_back(clsid, std::move(make));
}

StandInComponentFactory::Facet::Facet(StandInComponentFactory& owner)
    : StandInFacet(owner, IID_HostComponentFactory), mFactory(owner) {}

Result StandInComponentFactory::Facet::CreateComponent(const ClassId& clsid, IACFUnknown* outer,
                                                       const InterfaceId& iid, void** out) {
    const Result result = mFactory.mLog.Reply(3, {Arg(clsid), Arg(outer), Arg(iid), Arg(out)});
    if (out == nullptr) return ACF_E_POINTER;
    *out = nullptr;
    if (result != AAX_SUCCESS) return result;
    for (const auto& [provided, make] : mFactory.mComponents) {
        if (provided != clsid) continue;
        StandInObject* component = make();
        return component == nullptr ? ACF_E_NOINTERFACE : component->QueryInterface(iid, out);
    }
    return ACF_E_NOINTERFACE;
}

}  // namespace aaxhost
