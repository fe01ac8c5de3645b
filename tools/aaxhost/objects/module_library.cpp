#include "tools/aaxhost/objects/module_library.h"

#include <iterator>

#include "platform/platform.h"

namespace aaxhost {

namespace {

// Stores the export `name` of `library` in `entry`; false when it is missing.
template <class Procedure>
bool Find(void* library, const char* name, Procedure& entry) {
    entry = reinterpret_cast<Procedure>(platform::FindLibrarySymbol(library, name));
    return entry != nullptr;
}

}  // namespace

LoadedModule LoadModule(const std::string& path) {
    LoadedModule module;
    void* library = platform::LoadLibraryFile(path.c_str());
    if (library == nullptr) {
        module.failure = "cannot load " + path;
        return module;
    }
    ModuleEntryPoints& entry = module.entryPoints;
    const bool found[] = {
        Find(library, kModuleEntryNames[0], entry.registerPlugin),
        Find(library, kModuleEntryNames[1], entry.registerComponent),
        Find(library, kModuleEntryNames[2], entry.getClassFactory),
        Find(library, kModuleEntryNames[3], entry.canUnloadNow),
        Find(library, kModuleEntryNames[4], entry.startup),
        Find(library, kModuleEntryNames[5], entry.shutdown),
        Find(library, kModuleEntryNames[6], entry.getSDKVersion),
    };
    for (size_t i = 0; i < std::size(found); ++i) {
        if (!found[i]) {
            module.failure = path + " does not export " + kModuleEntryNames[i];
            return module;
        }
    }
    module.usable = true;
    return module;
}

}  // namespace aaxhost
