#include "module/creation_procedures.h"

#include <new>

#include "editor/aaxwrapper_effect_gui.h"
#include "parameters/aaxwrapper_parameters.h"

// The constructor loads the wrapped plug-in. Only running out of memory for the object itself
// gives null; anything else thrown reaches the host's call.
IACFUnknown* CreateEffectParameters() {
    AAX_IACFEffectParameters* object = new (std::nothrow) AAXWrapper_Parameters;
    return object;
}

IACFUnknown* CreateEffectGUI() {
    AAX_IACFEffectGUI* object = new (std::nothrow) AAXWrapper_CEffectGUI;
    return object;
}
