// The dispatcher's lock: a mutex that records the thread holding it, so that the holder can call
// back into the dispatcher (from a handler or from the controller) without deadlocking. Only the
// outermost call of a thread locks and unlocks.
#pragma once

#include <atomic>
#include <cstdint>

#include "platform/platform.h"

class OwnerTrackingMutex {
  public:
    // Without an operating-system mutex (creation failed) every lock is a no-op.
    OwnerTrackingMutex();
    OwnerTrackingMutex(const OwnerTrackingMutex&) = delete;
    OwnerTrackingMutex& operator=(const OwnerTrackingMutex&) = delete;
    ~OwnerTrackingMutex();

    // Holds the mutex for one scope; a nested scope on the holding thread neither waits nor
    // releases.
    class Scope {
      public:
        explicit Scope(OwnerTrackingMutex& mutex);
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
        ~Scope();

      private:
        OwnerTrackingMutex& mMutex;
        uint32_t mThread;
        bool mLocked;
    };

  private:
    // Written only by the holder, read by every thread that asks whether it is the holder.
    std::atomic<uint32_t> mOwner;  // 0 when free
    platform::MutexHandle* mHandle;
};
