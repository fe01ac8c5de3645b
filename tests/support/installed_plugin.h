// A plug-in library laid out under an install directory of its own, as an installer would, with
// the test plug-in's control functions taken from the installed copy: the very module that the
// wrapper loads once the registry points at the directory. A loaded library must not be
// overwritten, so a test program installs each library once and keeps it.
#pragma once

#include <memory>
#include <string>

#include "tests/support/registry_fixture.h"
#include "tests/support/test_plugin_control.h"

class InstalledPlugin {
  public:
    // Copies `builtLibrary` below a new directory whose name starts with `name`.
    InstalledPlugin(const std::string& builtLibrary, const std::string& name);
    // Removes the directory where the operating system allows it while the library is loaded.
    ~InstalledPlugin();
    InstalledPlugin(const InstalledPlugin&) = delete;
    InstalledPlugin& operator=(const InstalledPlugin&) = delete;

    const std::string& Directory() const { return directory_; }
    std::string LibraryPath() const;
    // Writes the directory as the install directory in `view`, optionally with a trailing
    // separator.
    void Register(testsupport::RegistryView view, bool trailingSeparator = false) const;
    // The installed test plug-in's control functions; loads the library on first use.
    const TestPluginControl& Control();

  private:
    std::string directory_;
    std::unique_ptr<TestPluginControl> control_;
};
