// The automation and MIDI text files of `aaxhost render`: what they give, and the line and the
// reason when a line is wrong.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/tools/aaxhost_cli/temp_files.h"
#include "tools/aaxhost/cli/automation_file.h"
#include "tools/aaxhost/cli/midi_file.h"

namespace {

using aaxhost::AutomationPoint;
using aaxhost::MidiMessageAt;
using aaxhost::TextFileError;

template <typename Result>
TextFileError ErrorOf(const Result& result) {
    if (const auto* error = std::get_if<TextFileError>(&result)) return *error;
    ADD_FAILURE() << "no error";
    return {};
}

struct BadText {
    const char* text;
    int line;          // where the error is reported
    const char* says;  // part of its message
};

template <typename Parse>
void ExpectErrors(const std::vector<BadText>& cases, Parse parse) {
    for (const BadText& c : cases) {
        SCOPED_TRACE(c.text);
        std::istringstream in(c.text);
        const TextFileError error = ErrorOf(parse(in));
        EXPECT_EQ(error.line, c.line);
        EXPECT_NE(error.message.find(c.says), std::string::npos) << error.message;
    }
}

TEST(AutomationFile, PointsComeInTimeOrderWithCommentsAndBlankLinesIgnored) {
    std::istringstream in(
        "# gain ramp\n"
        "\n"
        "2.0 output_gain 0.25   # halfway\n"
        "0   output_gain 0.5\n"
        "\t0 tremolo_depth 1\r\n"
        "2.0 tremolo_depth +0.0\n"
        "1e-1 tone 1.0e0\n");
    const auto result = aaxhost::ParseAutomation(in);
    ASSERT_TRUE(std::holds_alternative<std::vector<AutomationPoint>>(result))
        << ErrorOf(result).message;
    const auto& points = std::get<std::vector<AutomationPoint>>(result);
    ASSERT_EQ(points.size(), 5u);
    const struct {
        double seconds;
        const char* identifier;
        double value;
        int line;
    } expected[] = {{0.0, "output_gain", 0.5, 4},
                    {0.0, "tremolo_depth", 1.0, 5},
                    {0.1, "tone", 1.0, 7},
                    {2.0, "output_gain", 0.25, 3},
                    {2.0, "tremolo_depth", 0.0, 6}};
    for (size_t i = 0; i < points.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(points[i].seconds, expected[i].seconds);
        EXPECT_EQ(points[i].identifier, expected[i].identifier);
        EXPECT_EQ(points[i].value, expected[i].value);
        EXPECT_EQ(points[i].line, expected[i].line);
    }
}

TEST(AutomationFile, BadLinesAreNamedWithTheirNumberAndReason) {
    ExpectErrors(
        {
            {"0 gain\n", 1, "expected '<seconds> <parameter-identifier> <normalized value>'"},
            {"0 gain 0.5 extra\n", 1, "found 4 fields"},
            {"# ok\n0 gain 0.5\nsoon gain 0.5\n", 3, "time 'soon' is not a number of seconds"},
            {"-1 gain 0.5\n", 1, "time -1 lies before the start"},
            {"inf gain 0.5\n", 1, "time 'inf' is not a number"},
            {"0 gain 1.5\n", 1, "value '1.5' is not a normalized value from 0 to 1"},
            {"0 gain -0.1\n", 1, "value '-0.1'"},
            {"0 gain nan\n", 1, "value 'nan'"},
            {"0 gain 0,5\n", 1, "value '0,5'"},
            {"0 gain +-1\n", 1, "value '+-1'"},
            {"\n\n0 an_identifier_of_thirty_two_chars 0\n", 3, "longer than 31 characters"},
        },
        [](std::istream& in) { return aaxhost::ParseAutomation(in); });
}

TEST(AutomationFile, ErrorsNameTheFileAndLine) {
    TempFiles files;
    const std::string path = files.Write("moves.txt", "0 gain 0.5\n1 gain 2\n");
    const TextFileError error = ErrorOf(aaxhost::LoadAutomationFile(path));
    EXPECT_EQ(error.Describe(path), path + ":2: value '2' is not a normalized value from 0 to 1");
    const TextFileError missing = ErrorOf(aaxhost::LoadAutomationFile(files.Path("none.txt")));
    EXPECT_EQ(missing.Describe("none.txt"), "none.txt: cannot be opened");
}

TEST(MidiFile, MessagesBecomeTheirBytesInTimeOrder) {
    std::istringstream in(
        "0.5 note-off 1 60\n"
        "0.0 note-on 1 60 100  # middle C\n"
        "0.25 cc 16 1 64\n"
        "0.5 note-off 10 62 40\n");
    const auto result = aaxhost::ParseMidi(in);
    ASSERT_TRUE(std::holds_alternative<std::vector<MidiMessageAt>>(result))
        << ErrorOf(result).message;
    const auto& messages = std::get<std::vector<MidiMessageAt>>(result);
    ASSERT_EQ(messages.size(), 4u);
    const struct {
        double seconds;
        std::array<uint8_t, 3> bytes;
    } expected[] = {
        {0.0, {0x90, 60, 100}}, {0.25, {0xBF, 1, 64}}, {0.5, {0x80, 60, 0}}, {0.5, {0x89, 62, 40}}};
    for (size_t i = 0; i < messages.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(messages[i].seconds, expected[i].seconds);
        EXPECT_EQ(messages[i].bytes, expected[i].bytes);
    }
}

TEST(MidiFile, BadLinesAreNamedWithTheirNumberAndReason) {
    ExpectErrors(
        {
            {"0\n", 1, "expected '<seconds> note-on|note-off|cc ...'"},
            {"0 program 1 5\n", 1, "unknown message 'program'; expected note-on, note-off or cc"},
            {"0 note-on 1 60\n", 1, "expected '<seconds> note-on <channel> <note> <velocity>'"},
            {"0 cc 1 7\n", 1, "expected '<seconds> cc <channel> <controller> <value>'"},
            {"0 note-off 1\n", 1, "expected '<seconds> note-off"},
            {"0 note-on 0 60 100\n", 1, "channel '0' is not a whole number from 1 to 16"},
            {"0 note-on 17 60 100\n", 1, "channel '17'"},
            {"0 note-on 1 128 100\n", 1, "note '128' is not a whole number from 0 to 127"},
            {"0 note-on 1 60 1.5\n", 1, "velocity '1.5'"},
            {"0 cc 1 x 5\n", 1, "controller 'x'"},
            {"0 cc 1 7 -1\n", 1, "value '-1'"},
            {"0 note-on 1 60 100\n\nlater note-on 1 60 100\n", 3, "time 'later'"},
        },
        [](std::istream& in) { return aaxhost::ParseMidi(in); });
}

TEST(MidiFile, MissingFileIsAnErrorOfTheWholeFile) {
    TempFiles files;
    const TextFileError error = ErrorOf(aaxhost::LoadMidiFile(files.Path("none.txt")));
    EXPECT_EQ(error.line, 0);
    EXPECT_EQ(error.message, "cannot be opened");
}

}  // namespace
