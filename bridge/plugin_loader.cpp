#include "bridge/plugin_loader.h"

#include <string>

#include "bridge/host_callback_entry.h"
#include "bridge/library_path.h"
#include "bridge/load_failure_message.h"
#include "platform/platform.h"

namespace {

constexpr const char* kInstallKey = "Software\\Morvane\\VQ318";
constexpr const char* kInstallValue = "installdirectory";
constexpr size_t kPathBufferSize = 1000;

// A key missing from the 64-bit view is looked for in the 32-bit view; a key that exists but
// lacks the value ends the search.
PluginLoadStep ReadInstallDirectory(char* buffer, size_t capacity) {
    platform::RegistryStatus status = platform::ReadMachineRegistryValue(
        platform::RegistryView::k64Bit, kInstallKey, kInstallValue, buffer, capacity);
    if (status == platform::RegistryStatus::kNoKey) {
        status = platform::ReadMachineRegistryValue(platform::RegistryView::k32Bit, kInstallKey,
                                                    kInstallValue, buffer, capacity);
    }
    switch (status) {
        case platform::RegistryStatus::kOk:
            return PluginLoadStep::kLoaded;
        case platform::RegistryStatus::kNoKey:
            return PluginLoadStep::kNoKey;
        case platform::RegistryStatus::kNoValue:
            break;
    }
    return PluginLoadStep::kNoValue;
}

PluginLoadStep CreateInstance(const char* path, AEffect*& created) {
    void* library = platform::LoadLibraryFile(path);
    // Only a failed load is looked into further, so a loadable library costs no extra call.
    if (library == nullptr) {
        return platform::FileExists(path) ? PluginLoadStep::kNotLoadable : PluginLoadStep::kNoFile;
    }
    // VST 2.4 names its entry either way; a library that exports both is entered through "main".
    void* entry = platform::FindLibrarySymbol(library, "main");
    if (entry == nullptr) entry = platform::FindLibrarySymbol(library, "VSTPluginMain");
    if (entry == nullptr) return PluginLoadStep::kNoEntryPoint;
    AEffect* effect = reinterpret_cast<VstPluginMainProc>(entry)(&HostCallbackEntry);
    if (effect == nullptr || effect->dispatcher == nullptr) return PluginLoadStep::kNoInstance;
    // The host callback takes the user field for its own: whatever the plug-in left there must
    // be gone before the first call that the plug-in may answer by calling its host.
    effect->user = nullptr;
    // Every block calls processReplacing; a record without one cannot be hosted.
    if (effect->processReplacing == nullptr) {
        effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f);
        return PluginLoadStep::kNoInstance;
    }
    created = effect;
    return PluginLoadStep::kLoaded;
}

const char* StepText(PluginLoadStep step) {
    switch (step) {
        case PluginLoadStep::kLoaded:
            return "loaded";
        case PluginLoadStep::kNoKey:
            return "the install key is in neither registry view";
        case PluginLoadStep::kNoValue:
            return "the install directory value is missing, unreadable or too long";
        case PluginLoadStep::kNoFile:
            return "no file at the library path";
        case PluginLoadStep::kNotLoadable:
            return "the file is not a loadable 64-bit library";
        case PluginLoadStep::kNoEntryPoint:
            return "the library has no entry point";
        case PluginLoadStep::kNoInstance:
            return "the entry point returned no instance";
    }
    return "";
}

}  // namespace

PluginLoadResult LocateAndLoadWrappedPlugin() {
    char path[kPathBufferSize];
    PluginLoadResult result;
    result.step = ReadInstallDirectory(path, sizeof path);
    if (result.step != PluginLoadStep::kLoaded) return result;
    if (!AppendLibraryPath(path, sizeof path)) {
        result.step = PluginLoadStep::kNoValue;
        return result;
    }
    result.step = CreateInstance(path, result.effect);
    return result;
}

AEffect* LoadWrappedPlugin() {
    const PluginLoadResult result = LocateAndLoadWrappedPlugin();
    if (result.effect == nullptr) {
        RecordLoadFailure();
        const std::string line = std::string("VQ318 AAX: ") + LoadFailureMessage() + " (" +
                                 StepText(result.step) + ")\n";
        platform::WriteDebugOutput(line.c_str());
    }
    return result.effect;
}
