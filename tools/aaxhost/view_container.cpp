#include "tools/aaxhost/view_container.h"

namespace aaxhost {

StandInViewContainer::StandInViewContainer() : mFacet(*this) {
    Offer<AAX_IACFViewContainer>(IID_AAX_IACFViewContainer, &mFacet);
}

void StandInViewContainer::SetNativeView(int32_t type, void* view) {
    mType = type;
    mView = view;
}

StandInViewContainer::Facet::Facet(StandInViewContainer& owner)
    : StandInFacet(owner, IID_AAX_IACFViewContainer), mContainer(owner) {}

int32_t StandInViewContainer::Facet::GetType() {
    mContainer.mLog.Record(3);
    return mContainer.mType;
}

void* StandInViewContainer::Facet::GetPtr() {
    mContainer.mLog.Record(4);
    return mContainer.mView;
}

AAX_Result StandInViewContainer::Facet::GetModifiers(uint32_t* modifiers) {
    return mContainer.mLog.Record(5, Arg(modifiers));
}

AAX_Result StandInViewContainer::Facet::SetViewSize(float height, float width) {
    return mContainer.mLog.Record(6, Arg(height), Arg(width));
}

AAX_Result StandInViewContainer::Facet::HandleParameterMouseDown(AAX_CParamID id,
                                                                 uint32_t modifiers) {
    return mContainer.mLog.Record(7, Text(id), Arg(modifiers));
}

AAX_Result StandInViewContainer::Facet::HandleParameterMouseDrag(AAX_CParamID id,
                                                                 uint32_t modifiers) {
    return mContainer.mLog.Record(8, Text(id), Arg(modifiers));
}

AAX_Result StandInViewContainer::Facet::HandleParameterMouseUp(AAX_CParamID id,
                                                               uint32_t modifiers) {
    return mContainer.mLog.Record(9, Text(id), Arg(modifiers));
}

}  // namespace aaxhost
