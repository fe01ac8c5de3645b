// Runs one check of `aaxhost validate` in a child process: this program started again with the
// given arguments, its standard output read line by line until it ends or runs out of time. A
// check that crashes or hangs then takes only its own process down.
#pragma once

#include <string>
#include <vector>

namespace aaxhost {

struct ChildRun {
    enum class End { kExited, kCrashed, kTimedOut, kNotStarted };
    End end = End::kNotStarted;
    int exitCode = 0;                // kExited
    std::string cause;               // kCrashed: the signal or exception; kNotStarted: why
    std::vector<std::string> lines;  // everything it wrote to its standard output
};

// Starts this program with `arguments` (after the program name), collects its standard output
// and kills it once `timeoutSeconds` have passed. Its standard error stays the caller's.
ChildRun RunThisProgram(const std::vector<std::string>& arguments, double timeoutSeconds);

}  // namespace aaxhost
