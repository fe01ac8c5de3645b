// The host's component factory, asked of the host unknown by identifier; the module creates the
// host's description and service objects through it. Non-real-time threads.
#pragma once

#include "abi/unknown.h"

class HostComponentFactory : public IACFUnknown {
  public:
    // Creates a component of class `clsid` (unaggregated when `outer` is null) and stores its
    // interface `iid`, with one reference held, in *out.
    virtual Result CreateComponent(const ClassId& clsid, IACFUnknown* outer, const InterfaceId& iid,
                                   void** out) = 0;  // 3
};

inline constexpr InterfaceId IID_HostComponentFactory =
    MakeUID("382B6A96-7FD0-11D6-BCFE-00306542A024");
