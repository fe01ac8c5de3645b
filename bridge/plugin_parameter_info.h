// What the plug-in tells about one of its parameters when the effect mirrors it: the questions
// asked in the order the plug-in expects them, and every text it filled cut to its buffer and
// terminated, whatever the plug-in wrote.
#pragma once

#include <cstdint>

#include "abi/vst2.h"
#include "bridge/vst_interface.h"

struct PlugInParameterInfo {
    static constexpr int32_t kNameSize = 128;
    static constexpr int32_t kIdentifierSize = 32;

    float value = 0.0f;
    bool hasProperties = false;
    // Valid when hasProperties; label and shortLabel terminated.
    VstParameterProperties properties{};
    // The label, then a line feed and the short label when there is one; or, without
    // properties, the plug-in's parameter name.
    char name[kNameSize] = {};
    char identifier[kIdentifierSize] = {};
};

// Asks, in this order: effCanBeAutomated, getParameter, effGetParameterProperties, then
// effGetParamName when the plug-in has no properties, and effGetParamIdentifier (-14) with the
// identifier's size; an empty identifier is replaced by the derived one (parameter_identity.h).
// False, after the first question only, when the parameter cannot be
// automated. [main-thread]
bool ReadAutomatableParameter(VstInterface& plugin, int32_t index, PlugInParameterInfo* info);
