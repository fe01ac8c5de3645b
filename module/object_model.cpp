#include "module/object_model.h"

std::atomic<uint32_t> ActiveObjectCount{0};

CACFUnknown::CACFUnknown() : mOuterUnknown(&mInnerUnknown), mInnerUnknown(this) {
    ActiveObjectCount.fetch_add(1);
}

CACFUnknown::~CACFUnknown() {
    ActiveObjectCount.fetch_sub(1);
}

Result CACFUnknown::InitializeInstance() {
    return AAX_SUCCESS;
}

void CACFUnknown::FinalizeInstance() {}

void CACFUnknown::DeleteInstance() {
    delete this;
}

Result CACFUnknown::InternalQueryInterface(const InterfaceId& iid, void** out) {
    if (out == nullptr) return ACF_E_POINTER;
    *out = nullptr;
    if (iid == IID_IACFUnknown) {
        *out = &mInnerUnknown;
        mInnerUnknown.AddRef();
        return AAX_SUCCESS;
    }
    return ACF_E_NOINTERFACE;
}

uint32_t CACFUnknown::InternalAddRef() {
    return mReferenceCount.fetch_add(1, std::memory_order_relaxed) + 1;
}

uint32_t CACFUnknown::InternalRelease() {
    // Acquire-release, so that the one release that reaches 0 sees every write made under the
    // other references before it deletes the object.
    const uint32_t count = mReferenceCount.fetch_sub(1, std::memory_order_acq_rel) - 1;
    if (count == 0) {
        FinalizeInstance();
        DeleteInstance();
    }
    return count;
}

Result CACFUnknown::PrivateUnknown::QueryInterface(const InterfaceId& iid, void** out) {
    return mOwner->InternalQueryInterface(iid, out);
}

uint32_t CACFUnknown::PrivateUnknown::AddRef() {
    return mOwner->InternalAddRef();
}

uint32_t CACFUnknown::PrivateUnknown::Release() {
    return mOwner->InternalRelease();
}
