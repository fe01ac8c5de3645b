// How `aaxhost validate` reports its checks: the line printed when each ends, the closing count,
// the exit code, and the JSON and JUnit XML files that CI dashboards read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/aaxhost/program/validation.h"

namespace aaxhost {

struct CheckRecord {
    enum class Outcome { kPassed, kFailed, kCrashed, kTimedOut, kSkipped };
    std::string name;
    Outcome outcome = Outcome::kPassed;
    // The failure, what crashed it, what it was doing at its time-out, or why it was skipped.
    std::string text = {};
    std::string note = {};  // what a passing check found beside passing
    double seconds = 0.0;
};

// Exit codes beside 0 (all passed) and 1 (a check failed): 2 for usage, and
inline constexpr int kExitCrashOrTimeout = 3;

// "PASS name (note) [0.12 s]", "FAIL name: failure [0.12 s]", "CRASH name: ...", "TIMEOUT name:
// ...", "SKIP name: reason".
std::string ResultLine(const CheckRecord& record);
// "N passed, M failed", followed by the crashed, timed-out and skipped counts that are not 0.
std::string SummaryLine(const std::vector<CheckRecord>& records);
int ExitCodeOf(const std::vector<CheckRecord>& records);

struct ValidationRun {
    std::string module;
    int32_t level;
    uint64_t seed;
    std::vector<CheckRecord> records;
};

// One JSON object: module, level, seed, checks (each with its outcome, failure and note), and the
// counts.
std::string ValidationJson(const ValidationRun& run);
// A JUnit XML document: one test suite, a test case a check, failures as <failure>, crashes and
// time-outs as <error>, skipped checks as <skipped>.
std::string ValidationJunit(const ValidationRun& run);
// The checks of a level as a JSON array of names and summaries.
std::string CheckListJson(const std::vector<CheckInfo>& checks);

}  // namespace aaxhost
