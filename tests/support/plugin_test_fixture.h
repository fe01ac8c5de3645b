// Fixture of the suites that load the test plug-in the way the product does: installed once per
// test program, the registry's 64-bit view pointing at it, default answers and an empty call log
// at the start of every test.
#pragma once

#include <gtest/gtest.h>

#include "tests/support/installed_plugin.h"
#include "tests/support/registry_fixture.h"
#include "tests/support/test_plugin_api.h"

class PluginTest : public ::testing::Test {
  protected:
    static InstalledPlugin& Plugin() {
        static InstalledPlugin plugin(VQ318_TEST_PLUGIN, "test-plugin");
        return plugin;
    }
    static const TestPluginControl& Control() { return Plugin().Control(); }

    void SetUp() override {
        testsupport::ClearInstallDirectory();
        Plugin().Register(testsupport::RegistryView::k64Bit);
        Control().SetScript(testplugin::DefaultScript());
        Control().ResetLog();
    }
    void TearDown() override { testsupport::ClearInstallDirectory(); }
};
