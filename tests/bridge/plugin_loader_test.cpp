#include "bridge/plugin_loader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bridge/load_failure_message.h"
#include "platform/platform.h"
#include "tests/support/plugin_test_fixture.h"

using testsupport::RegistryView;

namespace {

// The same plug-in under a second directory, one whose entry point is named "VSTPluginMain" and
// one whose entry no host looks for.
InstalledPlugin& OtherCopy() {
    static InstalledPlugin plugin(VQ318_TEST_PLUGIN, "test-plugin-copy");
    return plugin;
}
InstalledPlugin& WithoutMain() {
    static InstalledPlugin plugin(VQ318_TEST_PLUGIN_WITHOUT_MAIN, "test-plugin-without-main");
    return plugin;
}

InstalledPlugin& WithoutEntry() {
    static InstalledPlugin plugin(VQ318_TEST_PLUGIN_WITHOUT_ENTRY, "test-plugin-without-entry");
    return plugin;
}

// A text file laid out where the library belongs.
InstalledPlugin& NotALibrary() {
    static InstalledPlugin plugin(testsupport::MakeNotALibraryFile("not-a-library"),
                                  "not-a-library");
    return plugin;
}

class WrappedPluginLoading : public PluginTest {
  protected:
    void SetUp() override {
        PluginTest::SetUp();
        testsupport::ClearInstallDirectory();
        mainCallsBefore_ = Control().MainCalls();
        otherCallsBefore_ = OtherCopy().Control().MainCalls();
    }
    int32_t MainCalls() const { return Control().MainCalls() - mainCallsBefore_; }
    int32_t OtherCopyMainCalls() const {
        return OtherCopy().Control().MainCalls() - otherCallsBefore_;
    }

  private:
    int32_t mainCallsBefore_ = 0;
    int32_t otherCallsBefore_ = 0;
};

}  // namespace

TEST_F(WrappedPluginLoading, SixtyFourBitViewComesFirst) {
    Plugin().Register(RegistryView::k64Bit);
    OtherCopy().Register(RegistryView::k32Bit);
    EXPECT_NE(LoadWrappedPlugin(), nullptr);
    EXPECT_EQ(MainCalls(), 1);
    EXPECT_EQ(OtherCopyMainCalls(), 0);
}

TEST_F(WrappedPluginLoading, KeyOnlyInThirtyTwoBitViewIsFound) {
    OtherCopy().Register(RegistryView::k32Bit);
    EXPECT_NE(LoadWrappedPlugin(), nullptr);
    EXPECT_EQ(OtherCopyMainCalls(), 1);
}

TEST_F(WrappedPluginLoading, KeyInNeitherViewLoadsNothing) {
    EXPECT_EQ(LoadWrappedPlugin(), nullptr);
    EXPECT_EQ(MainCalls(), 0);
}

TEST_F(WrappedPluginLoading, SixtyFourBitKeyWithoutValueEndsTheSearch) {
    testsupport::CreateEmptyKey(RegistryView::k64Bit);
    OtherCopy().Register(RegistryView::k32Bit);
    EXPECT_EQ(LoadWrappedPlugin(), nullptr);
    EXPECT_EQ(OtherCopyMainCalls(), 0);
}

TEST_F(WrappedPluginLoading, DirectoryWithAndWithoutTrailingSeparatorLoads) {
    for (bool trailingSeparator : {false, true}) {
        SCOPED_TRACE(trailingSeparator);
        Plugin().Register(RegistryView::k64Bit, trailingSeparator);
        EXPECT_NE(LoadWrappedPlugin(), nullptr);
    }
    EXPECT_EQ(MainCalls(), 2);
}

TEST_F(WrappedPluginLoading, EachLoadCreatesANewInstanceWithUserCleared) {
    Plugin().Register(RegistryView::k64Bit);
    AEffect* first = LoadWrappedPlugin();
    AEffect* second = LoadWrappedPlugin();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(first->user, nullptr);
    EXPECT_EQ(second->user, nullptr);
    EXPECT_EQ(first->magic, kEffectMagic);
}

TEST_F(WrappedPluginLoading, LibraryExportingOnlyVstPluginMainIsEnteredThroughIt) {
    WithoutMain().Register(RegistryView::k64Bit);
    AEffect* effect = LoadWrappedPlugin();
    ASSERT_NE(effect, nullptr);
    EXPECT_EQ(effect->user, nullptr);
    EXPECT_EQ(WithoutMain().Control().MainCalls(), 1);
}

TEST_F(WrappedPluginLoading, LibraryWithoutEitherEntryIsNotLoaded) {
    WithoutEntry().Register(RegistryView::k64Bit);
    EXPECT_EQ(LoadWrappedPlugin(), nullptr);
    EXPECT_EQ(WithoutEntry().Control().MainCalls(), 0);
}

TEST_F(WrappedPluginLoading, EntryPointReturningNullLoadsNothing) {
    Plugin().Register(RegistryView::k64Bit);
    testplugin::Script script = testplugin::DefaultScript();
    script.mainReturnsNull = 1;
    Control().SetScript(script);
    EXPECT_EQ(LoadWrappedPlugin(), nullptr);
    EXPECT_EQ(MainCalls(), 1);
}

// An instance without processReplacing is closed at once; if it calls its host from inside that
// effClose, its user field (which the plug-in may have filled) must not be taken for the host's.
TEST_F(WrappedPluginLoading, InstanceWithoutProcessReplacingHearsOnlyItsClose) {
    Plugin().Register(RegistryView::k64Bit);
    for (const int32_t reentrant : {0, 1}) {
        SCOPED_TRACE(reentrant);
        testplugin::Script script = testplugin::DefaultScript();
        script.processReplacingNull = 1;
        script.reentrantHostCalls = reentrant;
        script.numParams = 1;
        testplugin::NameLikeGenerated(script, 1);
        Control().SetScript(script);
        Control().ResetLog();
        EXPECT_EQ(LoadWrappedPlugin(), nullptr);
        const std::vector<testplugin::Call> calls = Control().CallsTo(Control().LastEffect());
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].kind, testplugin::CallKind::kDispatcher);
        EXPECT_EQ(calls[0].opcode, effClose);
    }
}

TEST_F(WrappedPluginLoading, MissingLibraryLoadsNothing) {
    const std::filesystem::path nothingInstalled =
        std::filesystem::path(Plugin().Directory()) / "nothing-installed";
    testsupport::WriteInstallDirectory(RegistryView::k64Bit, nothingInstalled.string());
    EXPECT_EQ(LoadWrappedPlugin(), nullptr);
}

TEST_F(WrappedPluginLoading, DirectoryTooLongForThePathBufferLoadsNothing) {
    testsupport::WriteInstallDirectory(RegistryView::k64Bit, std::string(990, 'd'));
    EXPECT_EQ(LoadWrappedPlugin(), nullptr);
}

TEST_F(WrappedPluginLoading, FailureLeavesTheReinstallMessage) {
    EXPECT_EQ(LoadWrappedPlugin(), nullptr);
    EXPECT_STREQ(LoadFailureMessage(),
                 "Unable to load Morvane \n you should reinstall your VQ318 product");
}

TEST_F(WrappedPluginLoading, EachFailedStepIsTold) {
    struct Row {
        const char* name;
        std::function<void()> install;
        PluginLoadStep step;
    };
    const Row rows[] = {
        {"nothing registered", [] {}, PluginLoadStep::kNoKey},
        {"key without value", [] { testsupport::CreateEmptyKey(RegistryView::k64Bit); },
         PluginLoadStep::kNoValue},
        {"empty key before a registered 32-bit view",
         [] {
             testsupport::CreateEmptyKey(RegistryView::k64Bit);
             OtherCopy().Register(RegistryView::k32Bit);
         },
         PluginLoadStep::kNoValue},
        {"directory too long for the path",
         [] { testsupport::WriteInstallDirectory(RegistryView::k64Bit, std::string(990, 'd')); },
         PluginLoadStep::kNoValue},
        {"nothing installed",
         [] {
             testsupport::WriteInstallDirectory(
                 RegistryView::k32Bit,
                 (std::filesystem::path(Plugin().Directory()) / "nothing-installed").string());
         },
         PluginLoadStep::kNoFile},
        {"not a library", [] { NotALibrary().Register(RegistryView::k64Bit); },
         PluginLoadStep::kNotLoadable},
        {"no entry point", [] { WithoutEntry().Register(RegistryView::k64Bit); },
         PluginLoadStep::kNoEntryPoint},
        {"entry point gives nothing",
         [] {
             Plugin().Register(RegistryView::k64Bit);
             testplugin::Script script = testplugin::DefaultScript();
             script.mainReturnsNull = 1;
             Control().SetScript(script);
         },
         PluginLoadStep::kNoInstance},
        {"installed", [] { Plugin().Register(RegistryView::k32Bit); }, PluginLoadStep::kLoaded},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        testsupport::ClearInstallDirectory();
        Control().SetScript(testplugin::DefaultScript());
        row.install();
        const PluginLoadResult result = LocateAndLoadWrappedPlugin();
        EXPECT_EQ(result.step, row.step);
        EXPECT_EQ(result.effect != nullptr, row.step == PluginLoadStep::kLoaded);
    }
}
