#include "tools/aaxhost/cli/automation_file.h"

namespace aaxhost {
namespace {

constexpr size_t kMaxIdentifierLength = 31;

std::optional<TextFileError> ParsePoint(const TextLine& line, AutomationPoint& point) {
    if (line.fields.size() != 3) {
        return TextFileError{line.number,
                             "expected '<seconds> <parameter-identifier> <normalized value>', "
                             "found " +
                                 std::to_string(line.fields.size()) + " fields"};
    }
    if (std::optional<TextFileError> error = ParseSeconds(line, point.seconds)) return error;
    point.identifier = std::string(line.fields[1]);
    if (point.identifier.size() > kMaxIdentifierLength) {
        return TextFileError{line.number, "parameter identifier '" + point.identifier +
                                              "' is longer than 31 characters"};
    }
    const std::optional<double> value = ParseNumber(line.fields[2]);
    if (!value || *value < 0.0 || *value > 1.0) {
        return TextFileError{line.number, "value '" + std::string(line.fields[2]) +
                                              "' is not a normalized value from 0 to 1"};
    }
    point.value = *value;
    point.line = line.number;
    return std::nullopt;
}

}  // namespace

AutomationResult ParseAutomation(std::istream& in) {
    return ParseTimedEntries<AutomationPoint>(in, ParsePoint);
}

AutomationResult LoadAutomationFile(const std::string& path) {
    return LoadTimedEntries<AutomationPoint>(path, ParsePoint);
}

}  // namespace aaxhost
