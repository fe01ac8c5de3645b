// The MIDI file of `aaxhost render --midi`: one message a line,
//   <seconds> note-on <channel> <note> <velocity>
//   <seconds> note-off <channel> <note> [<velocity>]
//   <seconds> cc <channel> <controller> <value>
// channels 1 to 16, the other numbers 0 to 127; '#' starts a comment.
#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <string>
#include <variant>
#include <vector>

#include "tools/aaxhost/cli/text_lines.h"

namespace aaxhost {

struct MidiMessageAt {
    double seconds;
    std::array<uint8_t, 3> bytes;  // status with the channel (0 to 15), then two data bytes
    int line;
};

// The messages ordered by time; messages of equal time keep the order of the file.
using MidiResult = std::variant<std::vector<MidiMessageAt>, TextFileError>;

MidiResult ParseMidi(std::istream& in);
// As ParseMidi; a file that cannot be opened is an error of line 0.
MidiResult LoadMidiFile(const std::string& path);

}  // namespace aaxhost
