// The automation file of `aaxhost render --automation`: one point a line,
//   <seconds> <parameter-identifier> <normalized value>
// for example "1.5 output_gain 0.25"; '#' starts a comment. A parameter holds each value from its
// time until its next point.
#pragma once

#include <istream>
#include <string>
#include <variant>
#include <vector>

#include "tools/aaxhost/cli/text_lines.h"

namespace aaxhost {

struct AutomationPoint {
    double seconds;
    std::string identifier;  // at most 31 characters, as parameters keep them
    double value;            // 0 to 1
    int line;                // where it was written, for messages about it later
};

// The points ordered by time; points of equal time keep the order of the file.
using AutomationResult = std::variant<std::vector<AutomationPoint>, TextFileError>;

AutomationResult ParseAutomation(std::istream& in);
// As ParseAutomation; a file that cannot be opened is an error of line 0.
AutomationResult LoadAutomationFile(const std::string& path);

}  // namespace aaxhost
