// The module's exported entry points, which a host finds by name after loading the library. Each
// returns a result code; none lets an exception out (an exception inside becomes
// ACF_E_UNEXPECTED). Call order as a host makes it:
//   1. ACFStartup with the host unknown; ACFGetSDKVersion at any time.
//   2. ACFRegisterPlugin: the module describes its effect into the host's collection and hands
//      back the collection's plug-in definition.
//   3. The host creates and releases the effect's objects through the creation procedures of
//      the description; ACFCanUnloadNow tells how many of them are still alive.
//   4. ACFShutdown, after which the library may be unloaded once ACFCanUnloadNow answers 0.
#pragma once

#include <cstdint>

#include "abi/unknown.h"

// The plug-in definition and component definition are host objects; the module only passes
// them on.
class HostPluginDefinition;
class HostComponentDefinition;

// Stores the plug-in definition, with one reference for the caller, in *definition on success.
using RegisterPluginProc = Result (*)(IACFUnknown* host, HostPluginDefinition** definition);
// The module registers no components: stores null in *definition and succeeds.
using RegisterComponentProc = Result (*)(IACFUnknown* host, const ClassId& clsid,
                                         HostComponentDefinition** definition);
// The module offers no class factory: stores null in *factory and answers
// AAX_ERROR_UNIMPLEMENTED.
using GetClassFactoryProc = Result (*)(IACFUnknown* host, const ClassId& clsid,
                                       const InterfaceId& iid, void** factory);
// The number of the module's reference-counted objects still alive; 0 when it may be unloaded.
using CanUnloadNowProc = Result (*)(IACFUnknown* host);
// The module keeps the host's general services from start-up to shutdown.
using StartupProc = Result (*)(IACFUnknown* host);
using ShutdownProc = Result (*)(IACFUnknown* host);
using GetSDKVersionProc = Result (*)(uint64_t* version);

// The export names, in the order above.
inline constexpr const char* kModuleEntryNames[] = {
    "ACFRegisterPlugin", "ACFRegisterComponent", "ACFGetClassFactory", "ACFCanUnloadNow",
    "ACFStartup",        "ACFShutdown",          "ACFGetSDKVersion",
};
