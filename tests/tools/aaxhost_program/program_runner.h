// Runs the stand-in host program's main function in the test process, with its output kept.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "tools/aaxhost/program/program.h"

struct ProgramRun {
    int exitCode;
    std::string out;
    std::string err;
};

inline ProgramRun RunAaxhost(const std::vector<std::string>& arguments) {
    std::vector<const char*> argv{"aaxhost"};
    for (const std::string& argument : arguments) argv.push_back(argument.c_str());
    std::ostringstream out;
    std::ostringstream err;
    const int code = aaxhost::RunProgram(static_cast<int>(argv.size()), argv.data(), out, err);
    return {code, out.str(), err.str()};
}

// Writes `text` to a new file at `path`.
void WriteTextFile(const std::string& path, const std::string& text);
