// Runs a shell command as a user would and keeps what it printed, for tests of whole programs.
#pragma once

#include <string>

namespace testsupport {

struct CommandOutput {
    int exitCode;     // -1 when the command did not start or did not exit by itself
    std::string out;  // its standard output
};

CommandOutput RunCommand(const std::string& command);

}  // namespace testsupport
