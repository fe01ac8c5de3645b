// Finds the wrapped plug-in library through the machine registry, loads it and creates one
// plug-in instance through its "main" entry point. The library stays loaded for the life of the
// process; each call creates a new instance.
#pragma once

#include "abi/vst2.h"

// The step at which finding and entering the wrapped plug-in stopped.
enum class PluginLoadStep {
    kLoaded,
    kNoKey,         // the install key is in neither registry view
    kNoValue,       // the key lacks the install directory, or it is unreadable or too long
    kNoFile,        // no file lies at the library path
    kNotLoadable,   // the file is not a library this process can load
    kNoEntryPoint,  // the library exports neither "main" nor "VSTPluginMain"
    kNoInstance,    // the entry point gave no instance, or one without its dispatcher or audio
};

struct PluginLoadResult {
    AEffect* effect = nullptr;  // the new instance with its user field cleared, when kLoaded
    PluginLoadStep step = PluginLoadStep::kNoKey;
};

// Finds and enters the plug-in and says where it stopped. [main-thread]
PluginLoadResult LocateAndLoadWrappedPlugin();

// The instance, or null when any step failed. Every failure also records the load-failure
// message and hands it with its step to the system's debug output. [main-thread]
AEffect* LoadWrappedPlugin();
