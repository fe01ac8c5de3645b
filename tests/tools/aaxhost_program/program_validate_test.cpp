// aaxhost validate: passes on the module with the demo plug-in at the highest level, and names
// the failing check for a broken module and for a plug-in whose chunk does not round-trip.
#include <cstring>
#include <fstream>
#include <iterator>

#include "tests/support/test_plugin_api.h"
#include "tests/tools/aaxhost_program/program_fixture.h"

namespace {

TEST_F(ProgramTest, ValidatePassesOnTheDemoPluginAtLevel10) {
    DemoPlugin().Register(testsupport::RegistryView::k64Bit);
    const ProgramRun run = RunAaxhost({"validate", kModule, "--level", "10", "--seed", "318",
                                       "--json", File("report.json"), "--in-process"});
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    for (const char* check : {"PASS load (wrapped plug-in found at ",
                              "PASS lifecycle [",
                              "PASS render-44100 [",
                              "PASS render-48000 [",
                              "PASS render-88200 [",
                              "PASS render-96000 [",
                              "PASS render-176400 [",
                              "PASS render-192000 [",
                              "PASS block-sizes [",
                              "PASS realtime ",
                              "PASS parameter-fuzz [",
                              "PASS state-roundtrip [",
                              "PASS state-restore [",
                              "PASS state-refusal [",
                              "PASS session-rate-change [",
                              "PASS session-preset-thread [",
                              "PASS session-transport [",
                              "PASS session-edit-bursts (parameters edited by the plug-in: ",
                              "PASS concurrency [",
                              "PASS unload [",
                              "PASS references ["}) {
        EXPECT_NE(run.out.find(check), std::string::npos) << check << run.out;
    }
    // The editor checks open real windows, which only a display has.
    const char* const editorChecks[] = {"editor", "session-editor-reopen"};
    for (const char* check : editorChecks) {
        const std::string line =
            HaveDisplay() ? std::string("\nPASS ") + check + " ["
                          : std::string("\nSKIP ") + check + ": no window for the editor: ";
        EXPECT_NE(run.out.find(line), std::string::npos) << line << run.out;
    }
    EXPECT_NE(run.out.find(HaveDisplay() ? "\n23 passed, 0 failed\n"
                                         : "\n21 passed, 0 failed, 2 skipped\n"),
              std::string::npos)
        << run.out;
    std::ifstream json(File("report.json"));
    const std::string text((std::istreambuf_iterator<char>(json)),
                           std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("\"name\": \"concurrency\", \"passed\": true"), std::string::npos) << text;
    EXPECT_NE(text.find("\"failed\": 0"), std::string::npos) << text;
    EXPECT_NE(
        text.find("\"name\": \"load\", \"passed\": true, \"outcome\": \"passed\", \"failure\": "
                  "\"\", \"note\": "
                  "\"wrapped plug-in found at "),
        std::string::npos)
        << text;
}

TEST_F(ProgramTest, ValidateNamesTheLifecycleForAModuleThatMakesNoEffect) {
    const ProgramRun run =
        RunAaxhost({"validate", VQ318_TEST_MODULE, "--level", "1", "--in-process"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("PASS load (wrapped plug-in not found: "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("FAIL lifecycle: "), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("concurrency"), std::string::npos) << "level 1 has no concurrency";
}

TEST_F(ProgramTest, ValidateNamesTheStateRoundTripForAChunkThatChanges) {
    TestPlugin().Register(testsupport::RegistryView::k64Bit);
    testplugin::Script script = testplugin::DefaultScript();
    script.recording = 0;
    script.numParams = 1;
    script.parameters[0].automatable = 1;
    std::strcpy(script.parameters[0].name, "Gain");
    std::strcpy(script.parameters[0].identifier, "gain");
    script.chunkSize = 4;
    std::memcpy(script.chunk, "abcd", 4);
    script.chunkGrowth = 1;
    TestPlugin().Control().SetScript(script);
    const ProgramRun run = RunAaxhost({"validate", kModule, "--level", "2", "--in-process"});
    TestPlugin().Control().SetScript(testplugin::DefaultScript());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("PASS render-96000 ["), std::string::npos) << run.out;
    // A chunk that grows between asking its size and reading it cannot be saved at all.
    for (const char* check : {"state-roundtrip", "state-restore", "state-refusal"}) {
        EXPECT_NE(run.out.find(std::string("FAIL ") + check + ": saving failed with -20008 ["),
                  std::string::npos)
            << check << run.out;
    }
    EXPECT_NE(
        run.out.find(HaveDisplay() ? " passed, 3 failed\n" : " passed, 3 failed, 2 skipped\n"),
        std::string::npos)
        << run.out;
}

}  // namespace
