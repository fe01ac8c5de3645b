#include "tools/aaxhost/cli/midi_file.h"

#include <algorithm>

namespace aaxhost {
namespace {

struct Kind {
    const char* name;
    uint8_t status;
    bool lastOptional;  // a note-off may leave out its velocity
};

constexpr Kind kKinds[] = {{"note-on", 0x90, false}, {"note-off", 0x80, true}, {"cc", 0xB0, false}};

std::optional<TextFileError> ParseByte(const TextLine& line, size_t field, const char* what,
                                       int64_t min, int64_t max, int64_t& value) {
    const std::optional<int64_t> parsed = ParseWholeNumber(line.fields[field], min, max);
    if (!parsed) {
        return TextFileError{line.number, std::string(what) + " '" +
                                              std::string(line.fields[field]) +
                                              "' is not a whole number from " +
                                              std::to_string(min) + " to " + std::to_string(max)};
    }
    value = *parsed;
    return std::nullopt;
}

std::optional<TextFileError> ParseMessage(const TextLine& line, MidiMessageAt& message) {
    if (line.fields.size() < 2) {
        return TextFileError{line.number, "expected '<seconds> note-on|note-off|cc ...'"};
    }
    const auto kind = std::find_if(std::begin(kKinds), std::end(kKinds),
                                   [&](const Kind& k) { return line.fields[1] == k.name; });
    if (kind == std::end(kKinds)) {
        return TextFileError{line.number, "unknown message '" + std::string(line.fields[1]) +
                                              "'; expected note-on, note-off or cc"};
    }
    const size_t count = line.fields.size();
    if (count != 5 && !(kind->lastOptional && count == 4)) {
        const char* last = kind->status == 0xB0 ? "<controller> <value>" : "<note> <velocity>";
        return TextFileError{line.number, "expected '<seconds> " + std::string(kind->name) +
                                              " <channel> " + last + "'"};
    }
    if (std::optional<TextFileError> error = ParseSeconds(line, message.seconds)) return error;
    const bool controller = kind->status == 0xB0;
    int64_t channel = 0;
    int64_t first = 0;
    int64_t second = 0;
    if (auto error = ParseByte(line, 2, "channel", 1, 16, channel)) return error;
    if (auto error = ParseByte(line, 3, controller ? "controller" : "note", 0, 127, first)) {
        return error;
    }
    if (count == 5) {
        if (auto error = ParseByte(line, 4, controller ? "value" : "velocity", 0, 127, second)) {
            return error;
        }
    }
    message.bytes = {static_cast<uint8_t>(kind->status | (channel - 1)),
                     static_cast<uint8_t>(first), static_cast<uint8_t>(second)};
    message.line = line.number;
    return std::nullopt;
}

}  // namespace

MidiResult ParseMidi(std::istream& in) {
    return ParseTimedEntries<MidiMessageAt>(in, ParseMessage);
}

MidiResult LoadMidiFile(const std::string& path) {
    return LoadTimedEntries<MidiMessageAt>(path, ParseMessage);
}

}  // namespace aaxhost
