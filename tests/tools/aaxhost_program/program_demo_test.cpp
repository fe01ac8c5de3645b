// The demo's flow through the program: the module and the demo plug-in describe themselves, keep
// their state through a file, and change a rendered signal the way the automation says.
#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>

#include "tests/tools/aaxhost_program/program_fixture.h"
#include "tools/aaxhost/cli/audio_file.h"

namespace {

TEST_F(ProgramTest, DescribesTheEffectAndItsParametersFromTheLibraryOrTheBundle) {
    DemoPlugin().Register(testsupport::RegistryView::k64Bit);
    for (const std::string& module : {kModule, kBundle}) {
        SCOPED_TRACE(module);
        const ProgramRun run = RunAaxhost({"describe", module});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        for (const char* expected :
             {"effect com.morvane.vq318", "component 1", "MIDI node", "creation procedure 1",
              "parameters of a stereo instance", "Output Gain", "Sync Division", "off",
              "\n    field 0: audio in"}) {
            EXPECT_NE(run.out.find(expected), std::string::npos) << expected << "\n" << run.out;
        }
        EXPECT_EQ(run.out.find("field field"), std::string::npos) << run.out;
    }
}

TEST_F(ProgramTest, SavesAndLoadsTheStateThroughAFile) {
    DemoPlugin().Register(testsupport::RegistryView::k64Bit);
    ProgramRun run = RunAaxhost({"state", "save", kModule, File("state.bin")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::ifstream file(File("state.bin"), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 16u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("VQ318ST\0", 8));

    run = RunAaxhost({"state", "load", kModule, File("state.bin")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("loaded 40 bytes"), std::string::npos) << run.out;

    // The demo plug-in's bank: "VQDB", version, count, then the values as floats; another output
    // gain (the sixth value) is taken as it is.
    ASSERT_EQ(bytes.substr(16, 4), "VQDB");
    const float quarter = 0.25f;
    bytes.replace(16 + 12 + 5 * 4, 4, reinterpret_cast<const char*>(&quarter), 4);
    WriteTextFile(File("quarter.bin"), bytes);
    run = RunAaxhost({"state", "load", kModule, File("quarter.bin")});
    EXPECT_EQ(run.exitCode, 0) << run.err;

    // Bytes the plug-in cannot read leave its state as it was, and the program says so.
    bytes.replace(16, std::string::npos, bytes.size() - 16, '\x7f');
    WriteTextFile(File("garbled.bin"), bytes);
    run = RunAaxhost({"state", "load", kModule, File("garbled.bin")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("did not take the chunk"), std::string::npos) << run.err;
}

constexpr double kRate = 48000.0;

double Rms(const std::vector<float>& samples, double from, double to) {
    double sum = 0.0;
    const auto first = static_cast<size_t>(from * kRate);
    const auto last = static_cast<size_t>(to * kRate);
    for (size_t i = first; i < last; ++i) sum += double{samples[i]} * samples[i];
    return std::sqrt(sum / static_cast<double>(last - first));
}

// The smallest and largest RMS of 5 ms windows in [from, to), relative to each other.
double EnvelopeSpread(const std::vector<float>& samples, double from, double to) {
    double smallest = 1e9;
    double largest = 0.0;
    for (double t = from; t + 0.005 <= to; t += 0.005) {
        const double rms = Rms(samples, t, t + 0.005);
        smallest = std::min(smallest, rms);
        largest = std::max(largest, rms);
    }
    return smallest / largest;
}

TEST_F(ProgramTest, RendersTheWayTheAutomationSays) {
    DemoPlugin().Register(testsupport::RegistryView::k64Bit);
    aaxhost::AudioData input{kRate, {std::vector<float>(3 * 48000), std::vector<float>(3 * 48000)}};
    for (size_t i = 0; i < input.Frames(); ++i) {
        const auto sample =
            static_cast<float>(0.5 * std::sin(2.0 * std::numbers::pi * 400.0 * i / kRate));
        input.channels[0][i] = sample;
        input.channels[1][i] = sample;
    }
    std::string error;
    ASSERT_TRUE(aaxhost::WriteAudioFile(File("in.wav"), input, error)) << error;
    // Second 0: unity gain, no tremolo; second 1: half the gain; second 2: full tremolo depth.
    WriteTextFile(File("automation.txt"),
                  "0 tremolo_depth 0\n0 output_gain 0.5\n1 output_gain 0.25\n"
                  "2 output_gain 0.5\n2 tremolo_depth 1\n");
    WriteTextFile(File("midi.txt"), "2 note-on 1 60 100\n");
    const ProgramRun run =
        RunAaxhost({"render", kModule, "--in", File("in.wav"), "--out", File("out.wav"), "--block",
                    "300", "--automation", File("automation.txt"), "--midi", File("midi.txt"),
                    "--tempo", "100", "--plot", File("plot.svg")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("blocks: 480 of 300 frames"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("render thread allocations: 0"), std::string::npos) << run.out;

    aaxhost::AudioData output;
    ASSERT_TRUE(aaxhost::ReadAudioFile(File("out.wav"), output, error)) << error;
    ASSERT_EQ(output.channels.size(), 2u);
    ASSERT_EQ(output.Frames(), input.Frames());
    const std::vector<float>& in = input.channels[0];
    const std::vector<float>& out = output.channels[0];
    const double unity = Rms(out, 0.2, 1.0) / Rms(in, 0.2, 1.0);
    const double half = Rms(out, 1.2, 2.0) / Rms(in, 1.2, 2.0);
    EXPECT_NEAR(unity, 1.0, 0.05);
    EXPECT_NEAR(half / unity, 0.5, 0.02) << "the gain automation halves the level";
    EXPECT_GT(EnvelopeSpread(out, 0.2, 1.0), 0.9) << "no tremolo at depth 0";
    EXPECT_LT(EnvelopeSpread(out, 2.2, 3.0), 0.2) << "a deep tremolo at depth 1";

    std::ifstream plot(File("plot.svg"));
    const std::string svg((std::istreambuf_iterator<char>(plot)), std::istreambuf_iterator<char>());
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("output_gain"), std::string::npos);
}

}  // namespace
