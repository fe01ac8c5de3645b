// Install directories that the narrow-character functions cannot name, and ones stored for
// expansion, each holding the Windows build of the test plug-in.
#if defined(_WIN32)

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "bridge/plugin_loader.h"
#include "tests/support/registry_fixture.h"

namespace fs = std::filesystem;
using testsupport::RegistryView;

namespace {

// "Morvane Ä" and "プラグイン" in UTF-8: outside every narrow code page together.
const std::string kInstallFolders = "Morvane \u00c4\\\u30d7\u30e9\u30b0\u30a4\u30f3";

class UnicodeInstall : public ::testing::Test {
  protected:
    // The library is installed once: a loaded library must not be overwritten.
    static const std::string& Parent() {
        static const std::string parent = [] {
            const std::string made = testsupport::MakeTempDirectory("unicode-install");
            const fs::path library =
                testsupport::Utf8Path(made + "\\" + kInstallFolders) / "VST64" / "VQ318.dll";
            fs::create_directories(library.parent_path());
            fs::copy_file(VQ318_TEST_PLUGIN, library, fs::copy_options::overwrite_existing);
            return made;
        }();
        return parent;
    }

    void SetUp() override { testsupport::ClearInstallDirectory(); }
    void TearDown() override { testsupport::ClearInstallDirectory(); }
};

}  // namespace

TEST_F(UnicodeInstall, DirectoryOfAnyLanguageAndOneStoredForExpansionLoad) {
    const std::string parent = Parent();
    ASSERT_EQ(_putenv(("VQ318_TEST_INSTALL=" + parent).c_str()), 0);
    ASSERT_EQ(parent.substr(1, 2), ":\\") << "the test folder lies on a drive";
    struct Row {
        RegistryView view;
        std::string stored;
        bool expandable;
        PluginLoadStep step;
    };
    const Row rows[] = {
        {RegistryView::k64Bit, parent + "\\" + kInstallFolders, false, PluginLoadStep::kLoaded},
        {RegistryView::k32Bit, parent + "\\" + kInstallFolders + "\\", false,
         PluginLoadStep::kLoaded},
        {RegistryView::k64Bit, "%VQ318_TEST_INSTALL%\\" + kInstallFolders, true,
         PluginLoadStep::kLoaded},
        {RegistryView::k32Bit, "%VQ318_TEST_INSTALL%\\" + kInstallFolders, true,
         PluginLoadStep::kLoaded},
        {RegistryView::k64Bit, "%VQ318_TEST_INSTALL%\\" + kInstallFolders, false,
         PluginLoadStep::kNoFile},
        {RegistryView::k64Bit, parent + "\\Morvane \u00c4", false, PluginLoadStep::kNoFile},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.stored);
        testsupport::ClearInstallDirectory();
        testsupport::WriteInstallDirectoryText(row.view, row.stored, row.expandable);
        const PluginLoadResult result = LocateAndLoadWrappedPlugin();
        EXPECT_EQ(result.step, row.step);
        if (row.step == PluginLoadStep::kLoaded) {
            ASSERT_NE(result.effect, nullptr);
            EXPECT_EQ(result.effect->magic, kEffectMagic);
        }
    }
}

TEST_F(UnicodeInstall, SystemDriveInAnExpandedDirectoryLoads) {
    const std::string parent = Parent();
    const char* drive = std::getenv("SystemDrive");
    if (drive == nullptr || parent.rfind(drive, 0) != 0) {
        GTEST_SKIP() << "the temporary folder is not on the system drive";
    }
    testsupport::WriteInstallDirectoryText(
        RegistryView::k64Bit, "%SystemDrive%" + parent.substr(2) + "\\" + kInstallFolders, true);
    const PluginLoadResult result = LocateAndLoadWrappedPlugin();
    EXPECT_EQ(result.step, PluginLoadStep::kLoaded);
    EXPECT_NE(result.effect, nullptr);
}

#endif
