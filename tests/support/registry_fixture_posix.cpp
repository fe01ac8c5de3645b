// The POSIX registry stand-in lives under $VQ318_REGISTRY_ROOT; the fixture gives each test
// process its own root so that parallel test runs do not meet.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/registry_fixture.h"

namespace fs = std::filesystem;

namespace testsupport {
namespace {

fs::path Root() {
    const char* root = std::getenv("VQ318_REGISTRY_ROOT");
    if (root == nullptr || *root == '\0') {
        const fs::path made =
            fs::temp_directory_path() / ("vq318-registry-" + std::to_string(getpid()));
        setenv("VQ318_REGISTRY_ROOT", made.c_str(), 1);
        return made;
    }
    return root;
}

fs::path KeyPath(RegistryView view) {
    const fs::path machine = Root() / "HKEY_LOCAL_MACHINE" / "Software";
    return view == RegistryView::k64Bit ? machine / "Morvane" / "VQ318"
                                        : machine / "WOW6432Node" / "Morvane" / "VQ318";
}

}  // namespace

void ClearInstallDirectory() {
    fs::remove_all(Root());
}

void CreateEmptyKey(RegistryView view) {
    fs::create_directories(KeyPath(view));
}

void WriteInstallDirectory(RegistryView view, const std::string& value) {
    CreateEmptyKey(view);
    std::ofstream(KeyPath(view) / "installdirectory", std::ios::binary) << value;
}

}  // namespace testsupport
