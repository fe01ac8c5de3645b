#include "tests/support/installed_plugin.h"

#include <filesystem>
#include <random>
#include <system_error>

#include "platform/platform.h"

namespace fs = std::filesystem;

namespace {

// Test programs of several builds may run at once; each gets its own directory.
std::string UniqueName(const std::string& name) {
    std::random_device random;
    return name + "-" + std::to_string(random());
}

}  // namespace

InstalledPlugin::InstalledPlugin(const std::string& builtLibrary, const std::string& name)
    : directory_(testsupport::MakeTempDirectory(UniqueName(name))) {
    testsupport::InstallLibrary(builtLibrary, directory_);
}

InstalledPlugin::~InstalledPlugin() {
    std::error_code ignored;
    fs::remove_all(directory_, ignored);
}

std::string InstalledPlugin::LibraryPath() const {
    return (fs::path(directory_) / "VST64" / (std::string("VQ318") + platform::kLibraryExtension))
        .string();
}

void InstalledPlugin::Register(testsupport::RegistryView view, bool trailingSeparator) const {
    std::string value = directory_;
    if (trailingSeparator) value += platform::kPathSeparator;
    testsupport::WriteInstallDirectory(view, value);
}

const TestPluginControl& InstalledPlugin::Control() {
    if (!control_) control_ = std::make_unique<TestPluginControl>(LibraryPath());
    return *control_;
}
