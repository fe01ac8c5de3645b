#include "tools/aaxhost/objects/view_container.h"

namespace aaxhost {

StandInViewContainer::StandInViewContainer() : mFacet(*this) {
    Offer<HostViewContainer>(IID_HostViewContainer, &mFacet);
}

void StandInViewContainer::SetNativeView(int32_t type, void* view) {
    mType = type;
    mView = view;
}

StandInViewContainer::Facet::Facet(StandInViewContainer& owner)
    : StandInFacet(owner, IID_HostViewContainer), mContainer(owner) {}

int32_t StandInViewContainer::Facet::GetType() {
    mContainer.mLog.Record(3);
    return mContainer.mType;
}

void* StandInViewContainer::Facet::GetPtr() {
    mContainer.mLog.Record(4);
    return mContainer.mView;
}

Result StandInViewContainer::Facet::HostViewContainerSlot5(uint32_t* a1) {
    return mContainer.mLog.Record(5, Arg(a1));
}

Result StandInViewContainer::Facet::HostViewContainerSlot6(float a1, float a2) {
    return mContainer.mLog.Record(6, Arg(a1), Arg(a2));
}

Result StandInViewContainer::Facet::HostViewContainerSlot7(const char* a1, uint32_t a2) {
    return mContainer.mLog.Record(7, Text(a1), Arg(a2));
}

Result StandInViewContainer::Facet::HostViewContainerSlot8(const char* a1, uint32_t a2) {
    return mContainer.mLog.Record(8, Text(a1), Arg(a2));
}

Result StandInViewContainer::Facet::HostViewContainerSlot9(const char* a1, uint32_t a2) {
    return mContainer.mLog.Record(9, Text(a1), Arg(a2));
}

}  // namespace aaxhost
