// The audioMasterCallback handed to the plug-in's entry point. It answers the host-wide
// requests itself, also before the plug-in has an effect record, and passes the others to the
// VstCallBack in the calling effect's user field. Any thread.
#pragma once

#include <cstdint>

#include "abi/vst2.h"

// The version this host reports to the plug-in, and its identifier 'AASH'.
inline constexpr intptr_t kHostVersion = 7;
inline constexpr intptr_t kHostIdentifier = 0x41415348;
inline constexpr char kHostVendorString[] = "Morv AAX Wrapper";

intptr_t HostCallbackEntry(AEffect* effect, int32_t opcode, int32_t index, intptr_t value,
                           void* ptr, float opt);
