// How a wrapper takes and gives back its reference on a host interface.
#pragma once

#include "abi/acf.h"

// Asks `host` for interface `iid`. The answer, null when the host refused, carries the one
// reference that the caller now holds. The query's result is not examined: a host that refuses
// stores null.
template <class Interface>
Interface* QueryHostInterface(IACFUnknown* host, const acfIID& iid) {
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
