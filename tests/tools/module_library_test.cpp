// The stand-in host's module loader: a module library by path, its seven entry points by name.
#include "tools/aaxhost/objects/module_library.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ModuleLibrary, FindsTheSevenEntryPointsOfAModule) {
    const aaxhost::LoadedModule module = aaxhost::LoadModule(VQ318_TEST_MODULE);
    ASSERT_TRUE(module.usable) << module.failure;
    const aaxhost::ModuleEntryPoints& entry = module.entryPoints;
    EXPECT_NE(entry.registerPlugin, nullptr);
    EXPECT_NE(entry.registerComponent, nullptr);
    EXPECT_NE(entry.getClassFactory, nullptr);
    EXPECT_NE(entry.canUnloadNow, nullptr);
    EXPECT_NE(entry.startup, nullptr);
    EXPECT_NE(entry.shutdown, nullptr);
    uint64_t version = 0;
    EXPECT_EQ(entry.getSDKVersion(&version), AAX_SUCCESS);
    EXPECT_NE(version, 0u);
}

TEST(ModuleLibrary, AMissingFileIsNotUsable) {
    const aaxhost::LoadedModule module = aaxhost::LoadModule("no-such-folder/VQ318.aaxplugin");
    EXPECT_FALSE(module.usable);
    EXPECT_EQ(module.failure, "cannot load no-such-folder/VQ318.aaxplugin");
}

TEST(ModuleLibrary, ALibraryWithoutTheEntryPointsIsNotUsable) {
    const aaxhost::LoadedModule module = aaxhost::LoadModule(VQ318_NOT_A_MODULE);
    EXPECT_FALSE(module.usable);
    EXPECT_EQ(module.failure,
              std::string(VQ318_NOT_A_MODULE) + " does not export ACFRegisterPlugin");
}

}  // namespace
