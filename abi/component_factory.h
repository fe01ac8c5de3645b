// The host's component factory, asked of the host unknown by identifier; the module creates the
// host's description and service objects through it. Non-real-time threads.
#pragma once

#include "abi/acf.h"

class IACFComponentFactory : public IACFUnknown {
  public:
    // Creates a component of class `clsid` (unaggregated when `outer` is null) and stores its
    // interface `iid`, with one reference held, in *out.
    virtual ACFRESULT CreateComponent(const acfCLSID& clsid, IACFUnknown* outer, const acfIID& iid,
                                      void** out) = 0;  // 3
};

inline constexpr acfIID IID_IACFComponentFactory = MakeUID("382B6A96-7FD0-11D6-BCFE-00306542A024");
