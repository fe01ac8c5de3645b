// The MODULE a command names: the module library itself, or the bundle folder that users install,
// `<name>/Contents/x64/<name>` (on Windows the inner file is the DLL; elsewhere the same layout
// may hold the shared library under that name).
#pragma once

#include <optional>
#include <string>

namespace aaxhost {

// The library file that `path` stands for: `path` itself unless it is a folder, the inner file
// when it is a bundle folder. Empty with `error` saying what is missing for any other folder.
std::optional<std::string> ResolveModulePath(const std::string& path, std::string& error);

}  // namespace aaxhost
