// The AAX parameter that stands for one automatable plug-in parameter. Every mirror has the real
// range 0.0 to 1.0, equal to the plug-in's own value, so values pass between host and plug-in
// unchanged:
//   switch with two steps      -> bool, "off"/"on", 2 steps, discrete
//   switch with other steps    -> float, two decimals, the plug-in's step count
//   anything else              -> float, two decimals, 65 steps
#pragma once

#include <memory>

#include "abi/aax_iparameter.h"
#include "abi/boundary.h"
#include "bridge/plugin_parameter_info.h"

using OwnedParameter = std::unique_ptr<AAX_IParameter, BoundaryDeleter>;

// Automatable, with the plug-in's current value as value and default.
OwnedParameter MakeMirrorParameter(const PlugInParameterInfo& info);

// The normalized value that `mirror`, made by MakeMirrorParameter, takes for the plug-in value
// `value`: on or off for a switch of two steps, else the value held to 0.0 to 1.0.
double MirrorNormalizedValue(const AAX_IParameter& mirror, float value);
