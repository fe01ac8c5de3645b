// The MODULE a command names: a library stands for itself, a bundle folder for the library in
// Contents/x64 under the folder's own name, and any other folder is refused with what it lacks.
#include "tools/aaxhost/cli/module_path.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/tools/aaxhost_cli/temp_files.h"

namespace {

namespace fs = std::filesystem;

TEST(ModulePath, FindsTheLibraryInABundleAndRefusesOtherFolders) {
    TempFiles files;
    const auto folder = [&](const std::string& name) {
        fs::create_directories(files.Path(name));
        return files.Path(name);
    };
    const std::string library = files.Write("VQ318.so", "library");
    const std::string bundle = folder("VQ318.aaxplugin/Contents/x64");
    files.Write("VQ318.aaxplugin/Contents/x64/VQ318.aaxplugin", "dll");
    const std::string inner = (fs::path(bundle) / "VQ318.aaxplugin").string();
    folder("Renamed.aaxplugin/Contents/x64");
    files.Write("Renamed.aaxplugin/Contents/x64/VQ318.aaxplugin", "dll");
    folder("Hollow.aaxplugin/Contents/x64/Hollow.aaxplugin");
    folder("Plain");

    const struct {
        const char* what;
        std::string path;
        std::string library;  // empty when refused
        std::string says;     // in the error when refused
    } cases[] = {
        {"library file", library, library, ""},
        {"missing file, left to the loader", files.Path("none.so"), files.Path("none.so"), ""},
        {"bundle folder", files.Path("VQ318.aaxplugin"), inner, ""},
        {"bundle folder with a trailing separator", files.Path("VQ318.aaxplugin") + "/",
         (fs::path(files.Path("VQ318.aaxplugin") + "/") / "Contents" / "x64" / "VQ318.aaxplugin")
             .string(),
         ""},
        {"bundle whose library has another name", files.Path("Renamed.aaxplugin"), "",
         "has no file Contents/x64/Renamed.aaxplugin"},
        {"bundle whose library is a folder", files.Path("Hollow.aaxplugin"), "",
         "has no file Contents/x64/Hollow.aaxplugin"},
        {"plain folder", files.Path("Plain"), "", "has no file Contents/x64/Plain"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string error;
        const std::optional<std::string> found = aaxhost::ResolveModulePath(c.path, error);
        if (c.library.empty()) {
            EXPECT_FALSE(found) << *found;
            EXPECT_EQ(error.rfind(c.path + " is a folder but not a module bundle", 0), 0u) << error;
            EXPECT_NE(error.find(c.says), std::string::npos) << error;
        } else {
            ASSERT_TRUE(found) << error;
            EXPECT_EQ(fs::path(*found), fs::path(c.library));
        }
    }
}

}  // namespace
