// The seven entry points that the module library exports (abi/module_entry.h says what each
// does), and the module-wide host-services object that lives from start-up to shutdown. Each
// entry point catches every exception and answers ACF_E_UNEXPECTED for it.
#pragma once

#include <cstdint>

#include "abi/module_entry.h"
#include "abi/unknown.h"

// The SDK version that ACFGetSDKVersion reports.
constexpr uint64_t kSDKVersion = 0x000002000061125Cull;

extern "C" {
Result ACFRegisterPlugin(IACFUnknown* host, HostPluginDefinition** definition);
Result ACFRegisterComponent(IACFUnknown* host, const ClassId& clsid,
                            HostComponentDefinition** definition);
Result ACFGetClassFactory(IACFUnknown* host, const ClassId& clsid, const InterfaceId& iid,
                          void** factory);
Result ACFCanUnloadNow(IACFUnknown* host);
Result ACFStartup(IACFUnknown* host);
Result ACFShutdown(IACFUnknown* host);
Result ACFGetSDKVersion(uint64_t* version);
}

// The start-up step of the host-services object: with none yet and a host, creates one over
// `host` (none when its memory cannot be had); with one and a null host, deletes it. Anything
// else changes nothing, so a second start-up keeps the first object.
void SetHostServices(IACFUnknown* host);
