#include "host/aax_vview_container.h"

#include "host/host_reference.h"

AAX_VViewContainer::AAX_VViewContainer(IACFUnknown* view) {
    if (view == nullptr) return;
    mView = QueryHostInterface<AAX_IACFViewContainer>(view, IID_AAX_IACFViewContainer);
}

AAX_VViewContainer::~AAX_VViewContainer() {
    ReleaseHostInterface(mView);
}

int32_t AAX_VViewContainer::GetType() const {
    return mView ? mView->GetType() : 0;
}

void* AAX_VViewContainer::GetPtr() const {
    return mView ? mView->GetPtr() : nullptr;
}

AAX_Result AAX_VViewContainer::GetModifiers(uint32_t* modifiers) const {
    return mView ? mView->GetModifiers(modifiers) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::SetViewSize(float height, float width) {
    return mView ? mView->SetViewSize(height, width) : AAX_SUCCESS;
}

AAX_Result AAX_VViewContainer::HandleParameterMouseDown(AAX_CParamID id, uint32_t modifiers) {
    return mView ? mView->HandleParameterMouseDown(id, modifiers) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::HandleParameterMouseDrag(AAX_CParamID id, uint32_t modifiers) {
    return mView ? mView->HandleParameterMouseDrag(id, modifiers) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::HandleParameterMouseUp(AAX_CParamID id, uint32_t modifiers) {
    return mView ? mView->HandleParameterMouseUp(id, modifiers) : AAX_ERROR_UNIMPLEMENTED;
}
