// The stand-in host's module loader: loads a module library by path, as a workstation does, and
// finds its seven entry points by name. Everything else the host calls it finds through them.
#pragma once

#include <string>

#include "abi/module_entry.h"

namespace aaxhost {

struct ModuleEntryPoints {
    RegisterPluginProc registerPlugin = nullptr;
    RegisterComponentProc registerComponent = nullptr;
    GetClassFactoryProc getClassFactory = nullptr;
    CanUnloadNowProc canUnloadNow = nullptr;
    StartupProc startup = nullptr;
    ShutdownProc shutdown = nullptr;
    GetSDKVersionProc getSDKVersion = nullptr;
};

struct LoadedModule {
    // Set only when the library loaded and exports all seven entry points.
    bool usable = false;
    // Why not, for messages: the library that failed to load or the first missing entry point.
    std::string failure;
    ModuleEntryPoints entryPoints;
};

// Libraries stay loaded for the life of the process.
LoadedModule LoadModule(const std::string& path);

}  // namespace aaxhost
