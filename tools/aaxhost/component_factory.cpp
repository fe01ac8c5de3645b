#include "tools/aaxhost/component_factory.h"

namespace aaxhost {

StandInComponentFactory::StandInComponentFactory() : mFacet(*this) {
    Offer<IACFComponentFactory>(IID_IACFComponentFactory, &mFacet);
}

void StandInComponentFactory::Provide(const acfCLSID& clsid, StandInObject& component) {
    ProvideEach(clsid, [&component] { return &component; });
}

void StandInComponentFactory::ProvideEach(const acfCLSID& clsid, Maker make) {
    mComponents.emplace_back(clsid, std::move(make));
}

StandInComponentFactory::Facet::Facet(StandInComponentFactory& owner)
    : StandInFacet(owner, IID_IACFComponentFactory), mFactory(owner) {}

ACFRESULT StandInComponentFactory::Facet::CreateComponent(const acfCLSID& clsid, IACFUnknown* outer,
                                                          const acfIID& iid, void** out) {
    const ACFRESULT result = mFactory.mLog.Reply(3, {Arg(clsid), Arg(outer), Arg(iid), Arg(out)});
    if (out == nullptr) return ACF_E_POINTER;
    *out = nullptr;
    if (result != ACF_OK) return result;
    for (const auto& [provided, make] : mFactory.mComponents) {
        if (provided != clsid) continue;
        StandInObject* component = make();
        return component == nullptr ? ACF_E_NOINTERFACE : component->QueryInterface(iid, out);
    }
    return ACF_E_NOINTERFACE;
}

}  // namespace aaxhost
