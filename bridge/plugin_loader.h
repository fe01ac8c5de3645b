// Finds the wrapped plug-in library through the machine registry, loads it and creates one
// plug-in instance through its "main" entry point. The library stays loaded for the life of the
// process; each call creates a new instance.
#pragma once

#include "abi/vst2.h"

// The new instance with its user field cleared, or null when the install directory is not
// registered in either registry view, the library cannot be loaded, it has no "main", or
// "main" gives no instance. Every failure also records the load-failure message.
// [main-thread]
AEffect* LoadWrappedPlugin();
