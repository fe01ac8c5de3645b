// aaxhost validate runs each check in a process of its own: a plug-in that crashes or hangs in
// one check gives that check a CRASH or TIMEOUT line and the step it was in, the other checks
// their own results, and JSON and JUnit files that readers accept. Runs the executable itself.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "tests/support/command_output.h"
#include "tests/tools/aaxhost_program/program_fixture.h"
#include "tools/aaxhost/program/validation.h"

namespace {

using testsupport::CommandOutput;
using testsupport::RunCommand;

// A fixture's fault reaches the checks as the signal it is, also in sanitizer builds, whose
// run-time would otherwise report it and exit with a code of its own.
constexpr const char* kNoSanitizerSignals =
    "ASAN_OPTIONS=$ASAN_OPTIONS:handle_segv=0 UBSAN_OPTIONS=$UBSAN_OPTIONS:handle_segv=0";

class ProgramIsolationTest : public ProgramTest {
  protected:
    static InstalledPlugin& FaultPlugin() {
        static InstalledPlugin plugin(VQ318_FAULT_PLUGIN, "aaxhost-fault");
        return plugin;
    }
};

struct IsolationRow {
    const char* fault;
    const char* arguments;
    int exitCode;
    std::vector<const char*> lines;  // each found at the start of a line, in this order
    const char* summary;
    // What the JUnit and JSON readers count: tests, failures, errors, skipped; checks, crashed or
    // timed out.
    const char* counts;
};

TEST_F(ProgramIsolationTest, EachCheckEndsOnItsOwnWhateverThePlugInDoes) {
    FaultPlugin().Register(testsupport::RegistryView::k64Bit);
    const IsolationRow rows[] = {
        {"crash-in-block",
         "--only '^(lifecycle|render-44100|state-roundtrip)$'",
         3,
         {"PASS lifecycle [", "CRASH render-44100: signal 11 (SIGSEGV) during rendering ",
          "PASS state-roundtrip ["},
         "2 passed, 0 failed, 1 crashed",
         "3 0 1 0 3 1"},
        {"hang-in-open",
         "--only '^lifecycle$' --timeout 2",
         3,
         {"TIMEOUT lifecycle: after 2 s during "},
         "0 passed, 0 failed, 1 timed out",
         "1 0 1 0 1 1"},
        {"nan-output",
         "--only '^(lifecycle|render-48000)$'",
         1,
         {"PASS lifecycle [", "FAIL render-48000: 1 channels: output sample "},
         "1 passed, 1 failed",
         "2 1 0 0 2 0"},
        {"none",
         "--skip render --only '^(load|render-96000|lifecycle)$' --repeat 2 --randomise",
         0,
         {"SKIP render-96000: matches --skip 'render'", "PASS load (wrapped plug-in found at ",
          "PASS lifecycle [", "PASS lifecycle ["},
         "4 passed, 0 failed, 1 skipped",
         "5 0 0 1 5 0"},
    };
    for (const IsolationRow& row : rows) {
        SCOPED_TRACE(row.fault);
        const std::string command = std::string(kNoSanitizerSignals) + " VQ318_FAULT=" + row.fault +
                                    " " + VQ318_AAXHOST + " validate " + kModule +
                                    " --level 2 --seed 7 --json " + File("report.json") +
                                    " --junit " + File("report.xml") + " " + row.arguments;
        const CommandOutput run = RunCommand(command);
        EXPECT_EQ(run.exitCode, row.exitCode) << run.out;
        EXPECT_EQ(run.out.rfind("validating " + kModule + " at level 2, seed 7\n", 0), 0u)
            << run.out;
        size_t at = 0;
        for (const char* line : row.lines) {
            const size_t found = run.out.find(std::string("\n") + line, at);
            ASSERT_NE(found, std::string::npos) << line << "\n" << run.out;
            at = found + 1;
        }
        EXPECT_NE(run.out.find(std::string("\n") + row.summary + "\n"), std::string::npos)
            << run.out;

        // A JUnit reader from the distribution and a JSON one count the same checks.
        const CommandOutput read = RunCommand(
            "/usr/bin/python3 -c \"import json, sys; from junitparser import JUnitXml; "
            "x = JUnitXml.fromfile(sys.argv[1]); "
            "j = json.load(open(sys.argv[2])); "
            "print(x.tests, x.failures, x.errors, x.skipped, len(j['checks']), j['crashed'] + "
            "j['timed_out'])\" " +
            File("report.xml") + " " + File("report.json"));
        ASSERT_EQ(read.exitCode, 0) << read.out;
        EXPECT_EQ(read.out, std::string(row.counts) + "\n");
    }
}

struct FixtureRow {
    const char* fault;
    const char* arguments;
    const char* line;    // the start of the one line that is not PASS; empty when all pass
    const char* detail;  // found further on in that line
    bool needsInterposition;
};

// Over every check of a level, each fault fails or crashes exactly the check made for it, saying
// where; the other checks pass.
TEST_F(ProgramIsolationTest, EachFaultFailsOnlyItsOwnCheck) {
    FaultPlugin().Register(testsupport::RegistryView::k64Bit);
    const FixtureRow rows[] = {
        {"none", "--level 2", "", "", false},
        {"alloc-in-block", "--level 2", "FAIL realtime: ", "; the first: operator new called from ",
         false},
        {"lock-in-block", "--level 2",
         "FAIL realtime: ", "; the first: pthread_mutex_lock called from ", true},
        {"editor-never-closes", "--level 2", "FAIL session-editor-reopen: ",
         "in view 2 the editor is 0.000000 by 0.000000: it did not open in the new view", false},
        {"forgets-on-rate-change", "--level 2",
         "FAIL session-rate-change: ", "saved after the rate change differs", false},
        {"ignores-chunk-off-thread", "--level 2", "FAIL session-preset-thread: ",
         "loaded from another thread, unlike from the host's: ", false},
        {"moves-on-jump-back", "--level 2",
         "FAIL session-transport: ", "saved after the transport moved differs", false},
        {"drops-quick-edits", "--level 2",
         "FAIL session-edit-bursts: ", "saved after a burst differs", false},
        {"subnormals-at-88200", "--level 8", "FAIL render-88200: ",
         "896 subnormal output samples, the first: output sample 31 of channel 0 in a block of "
         "32 frames",
         false},
        {"subnormals-at-88200", "--level 7", "", "", false},
        // A mono instance of the stereo plug-in reaches it in slices of at most 8192 frames.
        {"nan-beyond-8192", "--level 10", "FAIL block-sizes: ",
         "2 channels: output sample 16383 of channel 0 in a block of 16384 frames is NaN", false},
        {"nan-beyond-8192", "--level 10 --blocks 1,8192", "", "", false},
        {"nan-beyond-8192", "--level 10 --blocks 8193", "FAIL block-sizes: ",
         "2 channels: output sample 8192 of channel 0 in a block of 8193 frames is NaN", false},
        {"chunk-of-its-instance", "--level 10", "FAIL state-restore: ",
         "restoring into a fresh 1-channel instance at 44100 Hz: saved 44 bytes, it saves 44 "
         "bytes that differ",
         false},
        {"crash-on-bad-chunk", "--level 10",
         "CRASH state-refusal: ", "signal 11 (SIGSEGV) during restoring an empty chunk", false},
        {"garbage-chunk-resets", "--level 10", "FAIL state-refusal: ",
         "restoring an empty chunk (answered 0) changed the saved state", false},
    };
    for (const FixtureRow& row : rows) {
        SCOPED_TRACE(std::string(row.fault) + " " + row.arguments);
        if (row.needsInterposition && !VQ318_REALTIME_INTERPOSED) continue;
        // Without a display the editor checks are skipped, and this fault cannot show.
        if (std::string(row.fault) == "editor-never-closes" && !HaveDisplay()) continue;
        const CommandOutput run =
            RunCommand(std::string(kNoSanitizerSignals) + " VQ318_FAULT=" + row.fault + " " +
                       VQ318_AAXHOST + " validate " + kModule + " " + row.arguments);
        std::vector<std::string> notPassed;
        size_t passed = 0;
        for (size_t at = 0; at < run.out.size();) {
            const size_t end = run.out.find('\n', at);
            const std::string line = run.out.substr(at, end - at);
            at = end == std::string::npos ? run.out.size() : end + 1;
            if (line.rfind("PASS ", 0) == 0) {
                ++passed;
            } else if (line.find(": no window for the editor: ") != std::string::npos) {
                EXPECT_FALSE(HaveDisplay()) << line;
            } else if (line.rfind("FAIL ", 0) == 0 || line.rfind("CRASH ", 0) == 0 ||
                       line.rfind("TIMEOUT ", 0) == 0 || line.rfind("SKIP ", 0) == 0) {
                notPassed.push_back(line);
            }
        }
        EXPECT_GE(passed, 16u) << run.out;
        if (*row.line == '\0') {
            EXPECT_EQ(run.exitCode, 0) << run.out;
            EXPECT_TRUE(notPassed.empty()) << run.out;
            continue;
        }
        EXPECT_EQ(run.exitCode, std::string(row.line).rfind("CRASH", 0) == 0 ? 3 : 1) << run.out;
        ASSERT_EQ(notPassed.size(), 1u) << run.out;
        const std::string& failure = notPassed.front();
        EXPECT_EQ(failure.rfind(row.line, 0), 0u) << failure;
        EXPECT_NE(failure.find(row.detail), std::string::npos) << failure;
        if (failure.rfind("FAIL realtime", 0) == 0) {
            EXPECT_NE(failure.find("/VST64/VQ318.so("), std::string::npos)
                << "the caller placed in the plug-in's library: " << failure;
        }
    }
}

TEST_F(ProgramIsolationTest, ListsEveryCheckOfTheLevelAsTextAndAsJson) {
    const CommandOutput text =
        RunCommand(std::string(VQ318_AAXHOST) + " validate --list --level 6");
    ASSERT_EQ(text.exitCode, 0) << text.out;
    for (const char* name : {"load  ",
                             "lifecycle  ",
                             "render-44100  ",
                             "render-48000  ",
                             "render-88200  ",
                             "render-96000  ",
                             "render-176400  ",
                             "render-192000  ",
                             "block-sizes  ",
                             "realtime  ",
                             "parameter-fuzz  ",
                             "state-roundtrip  ",
                             "state-restore  ",
                             "state-refusal  ",
                             "editor  ",
                             "session-rate-change  ",
                             "session-editor-reopen  ",
                             "session-preset-thread  ",
                             "session-transport  ",
                             "session-edit-bursts  ",
                             "concurrency  ",
                             "unload  ",
                             "references  "}) {
        EXPECT_NE(("\n" + text.out).find(std::string("\n") + name), std::string::npos)
            << name << text.out;
    }
    const CommandOutput json =
        RunCommand(std::string(VQ318_AAXHOST) +
                   " validate --list --json --level 5 | /usr/bin/python3 -c \"import json, "
                   "sys; print(len(json.load(sys.stdin)))\"");
    EXPECT_EQ(json.out, "22\n") << "level 5 has no concurrency check";
}

TEST_F(ProgramIsolationTest, RatesListNamesTheRenderChecks) {
    const CommandOutput text = RunCommand(std::string(VQ318_AAXHOST) +
                                          " validate --list --rates 22050,88200 | grep '^render-'");
    ASSERT_EQ(text.exitCode, 0) << text.out;
    EXPECT_EQ(text.out.substr(0, 14), "render-22050  ") << text.out;
    EXPECT_NE(text.out.find("\nrender-88200  "), std::string::npos) << text.out;
    EXPECT_EQ(std::count(text.out.begin(), text.out.end(), '\n'), 2) << text.out;
    for (const char* wrong : {"--rates 999", "--blocks 0", "--blocks 16385", "--rates 48000,x"}) {
        EXPECT_EQ(RunCommand(std::string(VQ318_AAXHOST) + " validate --list " + wrong).exitCode, 2)
            << wrong;
    }
}

}  // namespace
