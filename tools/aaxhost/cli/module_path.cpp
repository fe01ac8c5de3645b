#include "tools/aaxhost/cli/module_path.h"

#include <filesystem>
#include <system_error>

namespace aaxhost {

std::optional<std::string> ResolveModulePath(const std::string& path, std::string& error) {
    namespace fs = std::filesystem;
    std::error_code failed;
    if (!fs::is_directory(path, failed)) return path;
    // A trailing separator would leave the folder's own name empty.
    const fs::path folder = fs::path(path).lexically_normal();
    const fs::path name =
        folder.has_filename() ? folder.filename() : folder.parent_path().filename();
    const fs::path inner = fs::path("Contents") / "x64" / name;
    const fs::path library = fs::path(path) / inner;
    if (fs::is_regular_file(library, failed)) return library.string();
    error = path + " is a folder but not a module bundle: it has no file " + inner.generic_string();
    return std::nullopt;
}

}  // namespace aaxhost
