#include "bridge/plugin_parameter_info.h"

#include <cstdio>

#include "bridge/parameter_identity.h"

namespace {

template <size_t N>
void Terminate(char (&text)[N]) {
    text[N - 1] = '\0';
}

}  // namespace

bool ReadAutomatableParameter(VstInterface& plugin, int32_t index, PlugInParameterInfo* info) {
    *info = PlugInParameterInfo{};
    if (plugin.Dispatch(effCanBeAutomated, index) == 0) return false;
    info->value = plugin.GetParameter(index);
    info->hasProperties =
        plugin.Dispatch(effGetParameterProperties, index, 0, &info->properties) != 0;
    if (info->hasProperties) {
        Terminate(info->properties.label);
        Terminate(info->properties.shortLabel);
        const char* shortLabel = info->properties.shortLabel;
        std::snprintf(info->name, sizeof info->name, "%s%s%s", info->properties.label,
                      shortLabel[0] != '\0' ? "\n" : "", shortLabel);
    } else {
        plugin.Dispatch(effGetParamName, index, 0, info->name);
        Terminate(info->name);
    }
    plugin.Dispatch(effGetParamIdentifier, index, PlugInParameterInfo::kIdentifierSize,
                    info->identifier);
    Terminate(info->identifier);
    FillMissingIdentifier(index, info->identifier, sizeof info->identifier);
    return true;
}
