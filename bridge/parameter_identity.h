// How the module names and finds a plug-in's parameters when the plug-in does not, kept in one
// place. Plug-ins that answer the identifier questions receive exactly the calls they always
// did; the fallbacks only act on an answer that gives the module nothing to work with:
//   - an empty identifier (effGetParamIdentifier wrote nothing): the parameter is known by the
//     derived identifier "p:<index>", which never changes for a given index, so saved sessions
//     and automation survive plug-in updates. A derived identifier maps back to its index here,
//     without effGetParamIndexFromIdentifier, which such plug-ins answer with 0 for everything.
//   - no automatable parameter before effOpen while numParams is above 0 (plug-ins that refuse
//     effCanBeAutomated until they are open): the parameters are read again after effOpen.
#pragma once

#include <cstddef>
#include <cstdint>

#include "bridge/plugin_parameter_info.h"
#include "bridge/vst_interface.h"

// When `identifier` (of `size` bytes) holds an empty text, writes the derived identifier of
// `index` into it; a negative index has none. Allocates nothing. [any thread]
void FillMissingIdentifier(int32_t index, char* identifier, size_t size);

// The plug-in's parameter index for a mirrored identifier: a derived identifier's own index
// (when the plug-in has that many parameters), else the plug-in's answer to
// effGetParamIndexFromIdentifier; -1 when there is none. [any thread]
int32_t PlugInParameterIndex(VstInterface& plugin, const char* identifier);

// Reads the plug-in's automatable parameters and sends effOpen, re-reading after effOpen when
// the first reading found none. Calls `adopt(context, info)` for each parameter of the reading
// that is kept. [main-thread]
using AdoptParameterProc = void (*)(void* context, const PlugInParameterInfo& info);
void OpenReadingParameters(VstInterface& plugin, AdoptParameterProc adopt, void* context);
