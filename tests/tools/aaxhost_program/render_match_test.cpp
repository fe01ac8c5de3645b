// The committed render: a 16-bit input with automation and MIDI rendered through the bundle folder
// with the demo plug-in gives the output that the native build gave, on every platform. The
// expected file was made by the native build with
//   aaxhost render <bundle> --in input.wav --out expected.wav --block 128
//       --automation automation.txt --midi midi.txt --tempo 120
// in render_match/, which only a deliberate change of the demo plug-in or the wrapper's audio
// path should need to redo.
#include <algorithm>
#include <cmath>

#include "tests/tools/aaxhost_program/program_fixture.h"
#include "tools/aaxhost/cli/audio_file.h"

namespace {

// What the platforms' maths libraries may make of the same expressions.
constexpr double kTolerance = 1e-6;

TEST_F(ProgramTest, RendersTheCommittedInputAsTheNativeBuildDid) {
    DemoPlugin().Register(testsupport::RegistryView::k64Bit);
    const std::string data = VQ318_RENDER_MATCH_DATA;
    const ProgramRun run = RunAaxhost(
        {"render", kBundle, "--in", data + "/input.wav", "--out", File("out.wav"), "--block", "128",
         "--automation", data + "/automation.txt", "--midi", data + "/midi.txt", "--tempo", "120"});
    ASSERT_EQ(run.exitCode, 0) << run.err;

    aaxhost::AudioData expected;
    aaxhost::AudioData rendered;
    std::string error;
    ASSERT_TRUE(aaxhost::ReadAudioFile(data + "/expected.wav", expected, error)) << error;
    ASSERT_TRUE(aaxhost::ReadAudioFile(File("out.wav"), rendered, error)) << error;
    EXPECT_EQ(rendered.sampleRate, expected.sampleRate);
    ASSERT_EQ(rendered.channels.size(), expected.channels.size());
    ASSERT_EQ(rendered.Frames(), expected.Frames());
    double largest = 0.0;
    size_t differing = 0;
    for (size_t c = 0; c < expected.channels.size(); ++c) {
        for (size_t i = 0; i < expected.Frames(); ++i) {
            const double difference =
                std::abs(double{rendered.channels[c][i]} - expected.channels[c][i]);
            largest = std::max(largest, difference);
            differing += difference > 0.0 ? 1 : 0;
        }
    }
    RecordProperty("largest_difference", std::to_string(largest));
    RecordProperty("differing_samples", std::to_string(differing));
    EXPECT_LE(largest, kTolerance) << differing << " samples differ";
}

}  // namespace
