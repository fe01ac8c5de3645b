// The shared grammar of the stand-in host's text files (automation, MIDI): one entry a line,
// fields separated by blanks, '#' starting a comment that runs to the end of the line, blank
// lines ignored. Numbers are read the same in every locale.
#pragma once

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace aaxhost {

// A problem in a text file, tied to its line (1 for the first; 0 when it concerns the whole
// file), in words a user can act on.
struct TextFileError {
    int line = 0;
    std::string message;

    // "FILE:LINE: message", or "FILE: message" for the whole file.
    std::string Describe(const std::string& file) const;
};

struct TextLine {
    int number;                            // 1 for the first line of the file
    std::vector<std::string_view> fields;  // views into `text`
    std::string text;                      // the line without its comment

    TextLine(int lineNumber, std::string line);
    TextLine(const TextLine&) = delete;
    TextLine& operator=(const TextLine&) = delete;
};

// Calls `handle` with each line that has fields, in order, until it returns an error; returns
// that error, or nothing when every line was handled.
template <typename Handler>
std::optional<TextFileError> ForEachLine(std::istream& in, Handler&& handle) {
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const TextLine parsed(number, std::move(line));
        if (parsed.fields.empty()) continue;
        if (std::optional<TextFileError> error = handle(parsed)) return error;
    }
    if (in.bad()) return TextFileError{0, "cannot be read to its end"};
    return std::nullopt;
}

// Entries of a file whose lines each give one entry at a time (a member `seconds`), ordered by
// time; entries of equal time keep the order of the file. `parseOne(line, entry)` fills an
// entry or returns the line's error.
template <typename Entry, typename ParseOne>
std::variant<std::vector<Entry>, TextFileError> ParseTimedEntries(std::istream& in,
                                                                  ParseOne&& parseOne) {
    std::vector<Entry> entries;
    const std::optional<TextFileError> error = ForEachLine(in, [&](const TextLine& line) {
        Entry entry{};
        std::optional<TextFileError> problem = parseOne(line, entry);
        if (!problem) entries.push_back(std::move(entry));
        return problem;
    });
    if (error) return *error;
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.seconds < b.seconds; });
    return entries;
}

// As ParseTimedEntries on the file at `path`; a file that cannot be opened is an error of
// line 0.
template <typename Entry, typename ParseOne>
std::variant<std::vector<Entry>, TextFileError> LoadTimedEntries(const std::string& path,
                                                                 ParseOne&& parseOne) {
    std::ifstream in(path);
    if (!in) return TextFileError{0, "cannot be opened"};
    return ParseTimedEntries<Entry>(in, parseOne);
}

// A finite decimal number ("0.5", "-1e3"); nothing for any other text.
std::optional<double> ParseNumber(std::string_view text);
// A whole number from `min` to `max`; nothing for any other text.
std::optional<int64_t> ParseWholeNumber(std::string_view text, int64_t min, int64_t max);

// The time field of an entry: a finite number of seconds, not negative.
std::optional<TextFileError> ParseSeconds(const TextLine& line, double& seconds);

}  // namespace aaxhost
