// Creation procedures for test builds of the module library, in place of the effect's own
// objects: each creates a real reference-counted object of the module's object model that answers
// an identifier of its own, so that a host can tell which procedure made an object and the
// module's live-object count includes it.
#pragma once

#include "abi/unknown.h"

inline constexpr InterfaceId IID_TestEffectParametersObject =
    MakeUID("5B0E7A21-4C3D-4E8F-9A1B-2C3D4E5F6071");
inline constexpr InterfaceId IID_TestEffectGUIObject =
    MakeUID("5B0E7A22-4C3D-4E8F-9A1B-2C3D4E5F6072");
