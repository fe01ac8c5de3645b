#include "tools/aaxhost/session/installed_plugin_check.h"

#include "abi/vst2.h"
#include "platform/platform.h"

namespace aaxhost {
namespace {

constexpr const char* kInstallKey = "Software\\Morvane\\VQ318";
constexpr const char* kInstallValue = "installdirectory";
// The module's path buffer: the directory, the library's place below it and a terminator.
constexpr size_t kPathBufferSize = 1000;

// The instance lives only long enough to be closed, so no request needs a real answer; the
// version is one a plug-in may require before it makes an instance.
intptr_t AnswerPlugin(AEffect*, int32_t opcode, int32_t, intptr_t, void*, float) {
    return opcode == audioMasterVersion ? 2400 : 0;
}

InstalledPluginCheck NotFound(const std::string& why) {
    return {false, "not found: " + why};
}

std::string LibraryPath(const std::string& directory) {
    const std::string separator(1, platform::kPathSeparator);
    std::string path = directory;
    if (path.empty() || path.back() != platform::kPathSeparator) path += separator;
    return path + "VST64" + separator + "VQ318" + platform::kLibraryExtension;
}

InstalledPluginCheck CheckLibrary(const std::string& path) {
    void* library = platform::LoadLibraryFile(path.c_str());
    if (library == nullptr) {
        return NotFound(platform::FileExists(path.c_str())
                            ? path + " is not a loadable 64-bit library"
                            : "no file at " + path);
    }
    void* entry = platform::FindLibrarySymbol(library, "main");
    if (entry == nullptr) entry = platform::FindLibrarySymbol(library, "VSTPluginMain");
    if (entry == nullptr) return NotFound(path + " exports no entry point (main or VSTPluginMain)");
    AEffect* effect = reinterpret_cast<VstPluginMainProc>(entry)(&AnswerPlugin);
    if (effect == nullptr || effect->dispatcher == nullptr) {
        return NotFound("the entry point of " + path + " returned no instance");
    }
    // A closed instance may be freed, so everything is read from it before it is closed.
    const bool rendersAudio = effect->processReplacing != nullptr;
    effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f);
    if (!rendersAudio) {
        return NotFound("the entry point of " + path + " returned an instance without audio");
    }
    return {true, "found at " + path};
}

}  // namespace

InstalledPluginCheck CheckInstalledPlugin() {
    char directory[kPathBufferSize];
    platform::RegistryStatus status = platform::ReadMachineRegistryValue(
        platform::RegistryView::k64Bit, kInstallKey, kInstallValue, directory, sizeof directory);
    if (status == platform::RegistryStatus::kNoKey) {
        status = platform::ReadMachineRegistryValue(platform::RegistryView::k32Bit, kInstallKey,
                                                    kInstallValue, directory, sizeof directory);
    }
    const std::string where = std::string("HKEY_LOCAL_MACHINE\\") + kInstallKey;
    if (status == platform::RegistryStatus::kNoKey) {
        return NotFound(where + " is in neither the 64-bit nor the 32-bit registry view");
    }
    if (status != platform::RegistryStatus::kOk) {
        return NotFound("the value " + std::string(kInstallValue) + " of " + where +
                        " is missing, unreadable or too long");
    }
    const std::string path = LibraryPath(directory);
    if (path.size() >= kPathBufferSize) {
        return NotFound("the value " + std::string(kInstallValue) + " of " + where +
                        " is too long for the library path");
    }
    return CheckLibrary(path);
}

}  // namespace aaxhost
