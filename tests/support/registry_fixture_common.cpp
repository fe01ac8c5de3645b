#include <filesystem>
#include <fstream>
#include <string>

#include "platform/platform.h"
#include "tests/support/registry_fixture.h"

namespace fs = std::filesystem;

namespace testsupport {

void InstallLibrary(const std::string& libraryPath, const std::string& directory) {
    const fs::path target = fs::path(directory) / "VST64";
    fs::create_directories(target);
    fs::copy_file(libraryPath, target / (std::string("VQ318") + platform::kLibraryExtension),
                  fs::copy_options::overwrite_existing);
}

std::string MakeTempDirectory(const std::string& name) {
    const fs::path dir = fs::temp_directory_path() / ("vq318-test-" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir.string();
}

std::string MakeNotALibraryFile(const std::string& name) {
    const std::string text = MakeTempDirectory(name) + "/not-a-library.txt";
    std::ofstream(text) << "not a library\n";
    return text;
}

}  // namespace testsupport
