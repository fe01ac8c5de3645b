#include "parameters/owner_tracking_mutex.h"

OwnerTrackingMutex::OwnerTrackingMutex() : mOwner(0), mHandle(platform::CreateMutexHandle()) {}

OwnerTrackingMutex::~OwnerTrackingMutex() {
    platform::CloseMutexHandle(mHandle);
}

OwnerTrackingMutex::Scope::Scope(OwnerTrackingMutex& mutex)
    : mMutex(mutex), mThread(platform::CurrentThreadId()), mLocked(false) {
    if (mMutex.mHandle == nullptr || mMutex.mOwner.load() == mThread) return;
    platform::WaitMutex(mMutex.mHandle);
    mMutex.mOwner.store(mThread);
    mLocked = true;
}

OwnerTrackingMutex::Scope::~Scope() {
    if (!mLocked || mMutex.mOwner.load() != mThread) return;
    mMutex.mOwner.store(0);
    platform::ReleaseMutexHandle(mMutex.mHandle);
}
