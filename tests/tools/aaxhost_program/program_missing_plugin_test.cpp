// aaxhost describe and validate's load check say whether the plug-in that the module wraps is
// installed, and if not, the step at which the search stopped.
#include <cstdlib>
#include <filesystem>
#include <functional>

#include "platform/platform.h"
#include "tests/support/test_plugin_api.h"
#include "tests/tools/aaxhost_program/program_fixture.h"

using testsupport::RegistryView;

namespace {

InstalledPlugin& WithoutEntry() {
    static InstalledPlugin plugin(VQ318_TEST_PLUGIN_WITHOUT_ENTRY, "aaxhost-without-entry");
    return plugin;
}

// A text file laid out where the library belongs.
InstalledPlugin& NotALibrary() {
    static InstalledPlugin plugin(testsupport::MakeNotALibraryFile("aaxhost-not-a-library"),
                                  "aaxhost-not-a-library");
    return plugin;
}

struct Row {
    const char* name;
    std::function<void()> install;
    std::function<std::string()> told;
};

}  // namespace

TEST_F(ProgramTest, DescribeAndValidateTellWhyTheWrappedPluginIsMissing) {
    const std::string key = "HKEY_LOCAL_MACHINE\\Software\\Morvane\\VQ318";
    const std::string missingDirectory =
        (std::filesystem::path(directory) / "nothing-installed").string();
    const std::string missingLibrary = (std::filesystem::path(missingDirectory) / "VST64" /
                                        (std::string("VQ318") + platform::kLibraryExtension))
                                           .string();
    const Row rows[] = {
        {"nothing registered", [] {},
         [&] { return "not found: " + key + " is in neither the 64-bit nor the 32-bit"; }},
        {"key without value", [] { testsupport::CreateEmptyKey(RegistryView::k32Bit); },
         [&] { return "not found: the value installdirectory of " + key + " is missing"; }},
        {"directory too long for the path",
         [] { testsupport::WriteInstallDirectory(RegistryView::k64Bit, std::string(990, 'd')); },
         [&] { return "not found: the value installdirectory of " + key + " is too long"; }},
        {"nothing installed",
         [&] { testsupport::WriteInstallDirectory(RegistryView::k64Bit, missingDirectory); },
         [&] { return "not found: no file at " + missingLibrary; }},
        {"not a library", [] { NotALibrary().Register(RegistryView::k64Bit); },
         [] { return "not found: " + NotALibrary().LibraryPath() + " is not a loadable 64-bit"; }},
        {"no entry point", [] { WithoutEntry().Register(RegistryView::k32Bit); },
         [] { return "not found: " + WithoutEntry().LibraryPath() + " exports no entry point"; }},
        {"entry point gives nothing",
         [] {
             TestPlugin().Register(RegistryView::k64Bit);
             testplugin::Script script = testplugin::DefaultScript();
             script.mainReturnsNull = 1;
             TestPlugin().Control().SetScript(script);
         },
         [] {
             return "not found: the entry point of " + TestPlugin().LibraryPath() +
                    " returned no instance";
         }},
        {"installed", [] { TestPlugin().Register(RegistryView::k32Bit); },
         [] { return "found at " + TestPlugin().LibraryPath(); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        testsupport::ClearInstallDirectory();
        TestPlugin().Control().SetScript(testplugin::DefaultScript());
        row.install();
        const ProgramRun described = RunAaxhost({"describe", kModule});
        EXPECT_EQ(described.exitCode, 0) << described.err;
        EXPECT_NE(described.out.find("\nwrapped plug-in: " + row.told()), std::string::npos)
            << described.out;
        const ProgramRun validated =
            RunAaxhost({"validate", kModule, "--level", "1", "--in-process"});
        EXPECT_NE(validated.out.find("PASS load (wrapped plug-in " + row.told()), std::string::npos)
            << validated.out;
    }
    TestPlugin().Control().SetScript(testplugin::DefaultScript());
}

#if defined(_WIN32)
// The case that once loaded nothing: the demo plug-in below folders that no narrow code page can
// name ("Morvane Ä\プラグイン"), named by a value stored for expansion.
TEST_F(ProgramTest, DescribesTheDemoPluginInstalledBelowFoldersOfAnyLanguage) {
    const std::string folders = "Morvane \u00c4\\\u30d7\u30e9\u30b0\u30a4\u30f3";
    static const std::string parent = [&] {
        const std::string made = testsupport::MakeTempDirectory("aaxhost-unicode");
        const std::filesystem::path library =
            testsupport::Utf8Path(made + "\\" + folders) / "VST64" / "VQ318.dll";
        std::filesystem::create_directories(library.parent_path());
        std::filesystem::copy_file(VQ318_DEMO_PLUGIN, library,
                                   std::filesystem::copy_options::overwrite_existing);
        return made;
    }();
    ASSERT_EQ(_putenv(("VQ318_TEST_DEMO=" + parent).c_str()), 0);
    testsupport::WriteInstallDirectoryText(RegistryView::k64Bit, "%VQ318_TEST_DEMO%\\" + folders,
                                           true);
    const ProgramRun run = RunAaxhost({"describe", kModule});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("wrapped plug-in: found at " + parent + "\\" + folders +
                           "\\VST64\\VQ318.dll\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("Output Gain"), std::string::npos) << run.out;
}
#endif
