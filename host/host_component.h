// How a wrapper obtains its host object: through the component factory of the host unknown that
// the module was given.
#pragma once

#include "abi/unknown.h"

struct HostComponent {
    // The created object's interface and its version-2 interface, each null or carrying one
    // reference for the caller.
    void* object = nullptr;
    void* version2 = nullptr;
};

// Asks `host` (possibly null) for its component factory, creates an unaggregated component of
// class `clsid` through it, asks the created object for `version2Iid` when one is given, and
// releases the factory. A host without factory or refusing the component leaves the result
// empty; the results of the creation and of the version-2 query are not examined. Throws
// ResultError(ACF_E_POINTER) when the host reports a factory but hands over none.
HostComponent CreateHostComponent(IACFUnknown* host, const ClassId& clsid, const InterfaceId& iid,
                                  const InterfaceId* version2Iid = nullptr);
