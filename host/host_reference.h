// How a wrapper takes and gives back its reference on a host interface.
#pragma once

#include "abi/unknown.h"

// Asks `host` for interface `iid`. The answer, null when the host refused, carries the one
// reference that the caller now holds. The query's result is not examined: a host that refuses
// stores null.
template <class Interface>
Interface* QueryHostInterface(IACFUnknown* host, const InterfaceId& iid) {
    void* answer = nullptr;
    host->QueryInterface(iid, &answer);
    return static_cast<Interface*>(answer);
}

// Gives back the reference held in `held`, if any, and clears it.
template <class Interface>
void ReleaseHostInterface(Interface*& held) {
    if (held != nullptr) {
        held->Release();
        held = nullptr;
    }
}

// Adds a reference to `host` (possibly null) and returns it, for a holder to take over.
template <class Interface>
Interface* AddHostReference(Interface* host) {
    if (host != nullptr) host->AddRef();
    return host;
}

// Holds one reference on a host interface and gives it back when destroyed, so that a
// constructor that throws after taking it leaks nothing.
template <class Interface>
class HeldHostInterface {
  public:
    HeldHostInterface() = default;
    // Takes over the reference that `held` (possibly null) carries.
    explicit HeldHostInterface(Interface* held) : mHeld(held) {}
    ~HeldHostInterface() { ReleaseHostInterface(mHeld); }
    HeldHostInterface(const HeldHostInterface&) = delete;
    HeldHostInterface& operator=(const HeldHostInterface&) = delete;

    Interface* Get() const { return mHeld; }
    Interface* operator->() const { return mHeld; }
    explicit operator bool() const { return mHeld != nullptr; }
    // Gives the reference held so far back and takes over the one that `held` carries.
    void Reset(Interface* held = nullptr) {
        ReleaseHostInterface(mHeld);
        mHeld = held;
    }

  private:
    Interface* mHeld = nullptr;
};
