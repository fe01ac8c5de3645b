#include "module/creation_procedures.h"

#include "editor/aaxwrapper_effect_gui.h"
#include "editor/guarded_effect_gui.h"
#include "parameters/aaxwrapper_parameters.h"
#include "parameters/guarded_effect_parameters.h"

// A constructor that runs out of memory, for the object or for any of its parts, gives null; it
// has freed what it had made.
IACFUnknown* CreateEffectParameters() {
    try {
        AAX_IACFEffectParameters* object = new GuardedEffectParameters<AAXWrapper_Parameters>;
        return object;
    } catch (...) {
        return nullptr;
    }
}

IACFUnknown* CreateEffectGUI() {
    try {
        AAX_IACFEffectGUI* object = new GuardedEffectGUI<AAXWrapper_CEffectGUI>;
        return object;
    } catch (...) {
        return nullptr;
    }
}
