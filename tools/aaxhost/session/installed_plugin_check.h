// Whether the wrapped plug-in is installed where the module looks for it, and if not, the step at
// which the search stops. The module's exports carry no word of why it wraps nothing, so the
// stand-in host follows the module's published steps itself through the platform layer.
#pragma once

#include <string>

namespace aaxhost {

struct InstalledPluginCheck {
    bool found = false;
    // "found at <path>", or "not found: " and the failed step.
    std::string text;
};

// Steps, as the module takes them: HKEY_LOCAL_MACHINE\Software\Morvane\VQ318 in the 64-bit
// registry view, else the 32-bit one; its value "installdirectory"; the library VST64/VQ318 below
// it; loading it; its entry point "main" (else "VSTPluginMain"); one instance made through it and
// closed again. The library stays loaded, as the module's does. [main-thread]
InstalledPluginCheck CheckInstalledPlugin();

}  // namespace aaxhost
