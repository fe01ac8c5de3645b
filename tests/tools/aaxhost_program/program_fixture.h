// Tests of the stand-in host program against the module that ships, with either the demo plug-in
// or the scriptable test plug-in installed where the registry points. Each library is installed
// once per test program, as a loaded library must not be overwritten.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/support/installed_plugin.h"
#include "tests/support/registry_fixture.h"
#include "tests/tools/aaxhost_program/program_runner.h"

class ProgramTest : public testing::Test {
  protected:
    static InstalledPlugin& DemoPlugin() {
        static InstalledPlugin plugin(VQ318_DEMO_PLUGIN, "aaxhost-demo");
        return plugin;
    }
    static InstalledPlugin& TestPlugin() {
        static InstalledPlugin plugin(VQ318_TEST_PLUGIN, "aaxhost-test");
        return plugin;
    }

    void SetUp() override {
        testsupport::ClearInstallDirectory();
        directory = testsupport::MakeTempDirectory("aaxhost-program");
    }
    void TearDown() override { testsupport::ClearInstallDirectory(); }

    std::string File(const std::string& name) const { return directory + "/" + name; }

    std::string directory;
};

inline const std::string kModule = VQ318_PRODUCT_MODULE;

// Whether windows can be opened: validate skips its editor checks without a display.
inline bool HaveDisplay() {
    const char* display = std::getenv("DISPLAY");
    return display != nullptr && *display != '\0';
}
// The bundle folder that holds the module (natively a copy of it).
inline const std::string kBundle = VQ318_PRODUCT_BUNDLE;
