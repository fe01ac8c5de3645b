#include "tools/aaxhost/cli/text_lines.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace aaxhost {

std::string TextFileError::Describe(const std::string& file) const {
    if (line <= 0) return file + ": " + message;
    return file + ":" + std::to_string(line) + ": " + message;
}

TextLine::TextLine(int lineNumber, std::string line) : number(lineNumber), text(std::move(line)) {
    const size_t comment = text.find('#');
    if (comment != std::string::npos) text.erase(comment);
    const std::string_view view(text);
    size_t at = 0;
    while (true) {
        at = view.find_first_not_of(" \t\r\v\f", at);
        if (at == std::string_view::npos) break;
        const size_t end = std::min(view.find_first_of(" \t\r\v\f", at), view.size());
        fields.push_back(view.substr(at, end - at));
        at = end;
    }
}

std::optional<double> ParseNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<int64_t> ParseWholeNumber(std::string_view text, int64_t min, int64_t max) {
    int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

std::optional<TextFileError> ParseSeconds(const TextLine& line, double& seconds) {
    const std::optional<double> value = ParseNumber(line.fields[0]);
    if (!value) {
        return TextFileError{
            line.number, "time '" + std::string(line.fields[0]) + "' is not a number of seconds"};
    }
    if (*value < 0.0) {
        return TextFileError{line.number,
                             "time " + std::string(line.fields[0]) + " lies before the start"};
    }
    seconds = *value;
    return std::nullopt;
}

}  // namespace aaxhost
