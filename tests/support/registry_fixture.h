// Test set-up for the machine registry: points HKEY_LOCAL_MACHINE\Software\Morvane\VQ318
// "installdirectory" at a directory, in either view, and lays a plug-in library out under it the
// way an installer does. On POSIX it writes the directory tree under $VQ318_REGISTRY_ROOT; on
// Windows the real registry.
#pragma once

#include <filesystem>
#include <string>

namespace testsupport {

enum class RegistryView { k64Bit, k32Bit };

// Removes the key in both views; called by every test's set-up and tear-down.
void ClearInstallDirectory();

// Writes `value` as the key's "installdirectory" value in `view`, creating the key.
void WriteInstallDirectory(RegistryView view, const std::string& value);

#if defined(_WIN32)
// Writes the UTF-8 `value` as the key's "installdirectory" text value in `view`, one stored for
// expansion (its environment variables expanded when read) when `expandable`.
void WriteInstallDirectoryText(RegistryView view, const std::string& value, bool expandable);

// Runs the system's reg.exe with `arguments` (as "add <key> /f ..."), trying again when it fails
// to start; throws when it fails every time.
void RunReg(const std::string& arguments);

// The UTF-8 path as the file system functions take it; a plain string would be read in the
// system's narrow code page.
std::filesystem::path Utf8Path(const std::string& path);
#endif

// Creates the key in `view` without any value.
void CreateEmptyKey(RegistryView view);

// Copies the library at `libraryPath` to <directory>/VST64/VQ318<extension>, creating folders.
void InstallLibrary(const std::string& libraryPath, const std::string& directory);

// A fresh empty directory for the test, under the system's temporary folder.
std::string MakeTempDirectory(const std::string& name);

// A text file, in a fresh directory named after `name`, to lay out where a library belongs.
std::string MakeNotALibraryFile(const std::string& name);

}  // namespace testsupport
