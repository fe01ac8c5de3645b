// The creation procedures that the effect description registers: proc ID 0 creates the
// effect-parameters object, proc ID 1 the editor object. Each creates one object with a reference
// count of 0 and returns its first base, or null when memory runs out for the object or any of
// its parts; no exception leaves them. The module library is linked with one definition of each.
#pragma once

#include "abi/unknown.h"

IACFUnknown* CreateEffectParameters();
IACFUnknown* CreateEffectGUI();
