#include "bridge/plugin_loader.h"

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
bool ReadInstallDirectory(char* buffer, size_t capacity) {
    platform::RegistryStatus status = platform::ReadMachineRegistryValue(
        platform::RegistryView::k64Bit, kInstallKey, kInstallValue, buffer, capacity);
    if (status == platform::RegistryStatus::kNoKey) {
        status = platform::ReadMachineRegistryValue(platform::RegistryView::k32Bit, kInstallKey,
                                                    kInstallValue, buffer, capacity);
    }
    return status == platform::RegistryStatus::kOk;
}

AEffect* CreateInstance() {
    char path[kPathBufferSize];
    if (!ReadInstallDirectory(path, sizeof path) || !AppendLibraryPath(path, sizeof path)) {
        return nullptr;
    }
    void* library = platform::LoadLibraryFile(path);
    // VST 2.4 names its entry either way; a library that exports both is entered through "main".
    void* entry = platform::FindLibrarySymbol(library, "main");
    if (entry == nullptr) entry = platform::FindLibrarySymbol(library, "VSTPluginMain");
    if (entry == nullptr) return nullptr;
    AEffect* effect = reinterpret_cast<VstPluginMainProc>(entry)(&HostCallbackEntry);
    if (effect == nullptr || effect->dispatcher == nullptr) return nullptr;
    // Every block calls processReplacing; a record without one cannot be hosted.
    if (effect->processReplacing == nullptr) {
        effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f);
        return nullptr;
    }
    effect->user = nullptr;
    return effect;
}

}  // namespace

AEffect* LoadWrappedPlugin() {
    AEffect* effect = CreateInstance();
    if (effect == nullptr) RecordLoadFailure();
    return effect;
}
