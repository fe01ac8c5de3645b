#include "host/aax_vview_container.h"

#include "host/host_reference.h"

AAX_VViewContainer::AAX_VViewContainer(IACFUnknown* view) {
    if (view == nullptr) return;
    mView = QueryHostInterface<HostViewContainer>(view, IID_HostViewContainer);
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

Result AAX_VViewContainer::ViewContainerSlot3(uint32_t* a1) const {
    return mView ? mView->HostViewContainerSlot5(a1) : AAX_ERROR_UNIMPLEMENTED;
}

Result AAX_VViewContainer::ViewContainerSlot4(float a1, float a2) {
    return mView ? mView->HostViewContainerSlot6(a1, a2) : AAX_SUCCESS;
}

Result AAX_VViewContainer::ViewContainerSlot5(const char* a1, uint32_t a2) {
    return mView ? mView->HostViewContainerSlot7(a1, a2) : AAX_ERROR_UNIMPLEMENTED;
}

Result AAX_VViewContainer::ViewContainerSlot6(const char* a1, uint32_t a2) {
    return mView ? mView->HostViewContainerSlot8(a1, a2) : AAX_ERROR_UNIMPLEMENTED;
}

Result AAX_VViewContainer::ViewContainerSlot7(const char* a1, uint32_t a2) {
    return mView ? mView->HostViewContainerSlot9(a1, a2) : AAX_ERROR_UNIMPLEMENTED;
}
