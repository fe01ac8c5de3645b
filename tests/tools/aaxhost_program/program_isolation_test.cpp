// aaxhost validate runs each check in a process of its own: a plug-in that crashes or hangs in
// one check gives that check a CRASH or TIMEOUT line and the step it was in, the other checks
// their own results, and JSON and JUnit files that readers accept. Runs the executable itself.
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "tests/tools/aaxhost_program/program_fixture.h"
#include "tools/aaxhost/program/validation.h"

namespace {

struct Executed {
    int exitCode;
    std::string out;
};

Executed Execute(const std::string& command) {
    Executed executed{-1, {}};
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return executed;
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0)
        executed.out.append(buffer, got);
    const int status = pclose(pipe);
    executed.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return executed;
}

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
         "--only '^(editor|render-48000)$'",
         1,
         {"FAIL render-48000: 1 channels: output sample ", "PASS editor ["},
         "1 passed, 1 failed",
         "2 1 0 0 2 0"},
        {"none",
         "--skip render --only '^(load|render-96000|editor)$' --repeat 2 --randomise",
         0,
         {"SKIP render-96000: matches --skip 'render'", "PASS load (wrapped plug-in found at ",
          "PASS editor [", "PASS editor ["},
         "4 passed, 0 failed, 1 skipped",
         "5 0 0 1 5 0"},
    };
    for (const IsolationRow& row : rows) {
        SCOPED_TRACE(row.fault);
        const std::string command = std::string("VQ318_FAULT=") + row.fault + " " + VQ318_AAXHOST +
                                    " validate " + kModule + " --level 2 --seed 7 --json " +
                                    File("report.json") + " --junit " + File("report.xml") + " " +
                                    row.arguments;
        const Executed run = Execute(command);
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
        const Executed read = Execute(
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
    const char* check;   // the one check that fails, or empty for none
    const char* detail;  // found in its failure
    bool needsInterposition;
};

// Over every check of a level, each fault fails exactly the check made for it, saying where.
TEST_F(ProgramIsolationTest, EachFaultFailsOnlyItsOwnCheck) {
    FaultPlugin().Register(testsupport::RegistryView::k64Bit);
    const FixtureRow rows[] = {
        {"none", "", "", false},
        {"alloc-in-block", "realtime", "; the first: operator new called from ", false},
        {"lock-in-block", "realtime", "; the first: pthread_mutex_lock called from ", true},
        {"editor-never-closes", "session-editor-reopen",
         "in view 2 the editor is 0.000000 by 0.000000: it did not open in the new view", false},
        {"forgets-on-rate-change", "session-rate-change", "saved after the rate change differs",
         false},
        {"ignores-chunk-off-thread", "session-preset-thread",
         "loaded from another thread, unlike from the host's: ", false},
        {"moves-on-jump-back", "session-transport", "saved after the transport moved differs",
         false},
        {"drops-quick-edits", "session-edit-bursts", "saved after a burst differs", false},
    };
    const size_t checks = aaxhost::ChecksAt(2).size();
    for (const FixtureRow& row : rows) {
        SCOPED_TRACE(row.fault);
        if (row.needsInterposition && !VQ318_REALTIME_INTERPOSED) continue;
        const Executed run = Execute(std::string("VQ318_FAULT=") + row.fault + " " + VQ318_AAXHOST +
                                     " validate " + kModule + " --level 2");
        const bool fails = *row.check != '\0';
        EXPECT_EQ(run.exitCode, fails ? 1 : 0) << run.out;
        const std::string summary = std::to_string(checks - (fails ? 1 : 0)) + " passed, " +
                                    (fails ? "1" : "0") + " failed\n";
        EXPECT_NE(run.out.find("\n" + summary), std::string::npos) << summary << run.out;
        if (!fails) continue;
        const size_t line = run.out.find(std::string("\nFAIL ") + row.check + ": ");
        ASSERT_NE(line, std::string::npos) << run.out;
        const std::string failure = run.out.substr(line + 1, run.out.find('\n', line + 1) - line);
        EXPECT_NE(failure.find(row.detail), std::string::npos) << failure;
        if (std::string(row.check) == "realtime") {
            EXPECT_NE(failure.find("/VST64/VQ318.so("), std::string::npos)
                << "the caller placed in the plug-in's library: " << failure;
        }
    }
}

TEST_F(ProgramIsolationTest, ListsEveryCheckOfTheLevelAsTextAndAsJson) {
    const Executed text = Execute(std::string(VQ318_AAXHOST) + " validate --list --level 6");
    ASSERT_EQ(text.exitCode, 0) << text.out;
    for (const char* name :
         {"load  ", "lifecycle  ", "render-44100  ", "render-48000  ", "render-96000  ",
          "realtime  ", "parameter-fuzz  ", "state-roundtrip  ", "editor  ",
          "session-rate-change  ", "session-editor-reopen  ", "session-preset-thread  ",
          "session-transport  ", "session-edit-bursts  ", "concurrency  ", "unload  ",
          "references  "}) {
        EXPECT_NE(("\n" + text.out).find(std::string("\n") + name), std::string::npos)
            << name << text.out;
    }
    const Executed json =
        Execute(std::string(VQ318_AAXHOST) +
                " validate --list --json --level 5 | /usr/bin/python3 -c \"import json, "
                "sys; print(len(json.load(sys.stdin)))\"");
    EXPECT_EQ(json.out, "16\n") << "level 5 has no concurrency check";
}

}  // namespace
