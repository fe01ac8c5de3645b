// The AAX parameter that stands for one automatable plug-in parameter. Every mirror has the real
// range 0.0 to 1.0, equal to the plug-in's own value, so values pass between host and plug-in
// unchanged:
//   switch with two steps      -> bool, "off"/"on", 2 steps, discrete
//   switch with other steps    -> float, two decimals, the plug-in's step count
//   anything else              -> float, two decimals, 65 steps
#pragma once

#include <memory>

#include "bridge/plugin_parameter_info.h"
#include "parameters/aax_parameter_interface.h"

// Automatable, with the plug-in's current value as value and default.
std::unique_ptr<AAX_IParameter> MakeMirrorParameter(const PlugInParameterInfo& info);
