// The program's own failures: each gives its message and a non-zero exit, and nothing crashes.
#include <array>

#include "tests/tools/aaxhost_program/program_fixture.h"
#include "tools/aaxhost/cli/audio_file.h"

namespace {

struct ErrorCase {
    const char* what;
    std::vector<std::string> arguments;
    int exitCode;
    std::string message;  // found in the error output
};

TEST_F(ProgramTest, FailsClearlyOnBadInput) {
    DemoPlugin().Register(testsupport::RegistryView::k64Bit);
    WriteTextFile(File("garbage.wav"), "this is not audio");
    std::string error;
    ASSERT_TRUE(aaxhost::WriteAudioFile(
        File("in.wav"), aaxhost::AudioData{48000.0, {std::vector<float>(4800, 0.25f)}}, error))
        << error;
    WriteTextFile(File("bad-line.txt"), "0 output_gain 0.5\n1.0 output_gain\n");
    WriteTextFile(File("bad-value.txt"), "0 output_gain 1.5\n");
    WriteTextFile(File("bad.midi"), "0 note-on 17 60 100\n");
    WriteTextFile(File("not-state.bin"), std::string("VQ318XX\0\0\0\0\0\0\0\0\0", 16));
    WriteTextFile(File("short-state.bin"), std::string("VQ318ST\0\1\0\0\0\x09\0\0\0abc", 19));
    const std::string render[] = {"render", kModule, "--out", File("out.wav"), "--in"};
    const auto Render = [&](const std::string& input, std::vector<std::string> more = {}) {
        std::vector<std::string> arguments(std::begin(render), std::end(render));
        arguments.push_back(input);
        arguments.insert(arguments.end(), more.begin(), more.end());
        return arguments;
    };
    const std::vector<ErrorCase> cases = {
        {"missing module", {"describe", File("missing.so")}, 2, "missing.so"},
        {"folder that is not a bundle",
         {"validate", directory},
         2,
         directory + " is a folder but not a module bundle: it has no file Contents/x64/"},
        {"plug-in library as module",
         {"describe", VQ318_DEMO_PLUGIN},
         1,
         "does not export ACFRegisterPlugin"},
        {"test plug-in as module",
         {"state", "save", VQ318_TEST_PLUGIN, File("s.bin")},
         1,
         "does not export ACFRegisterPlugin"},
        {"no command", {}, 2, "expected a command"},
        {"state without file", {"state", "load", kModule}, 2, "FILE"},
        {"not a state file",
         {"state", "load", kModule, File("not-state.bin")},
         1,
         "not-state.bin: not a state file"},
        {"truncated state",
         {"state", "load", kModule, File("short-state.bin")},
         1,
         "announces 9 bytes of chunk data but 3 follow"},
        {"level out of range", {"validate", kModule, "--level", "11"}, 2, "--level"},
        {"missing input", Render(File("none.wav")), 2, "none.wav"},
        {"unreadable audio", Render(File("garbage.wav")), 1, "garbage.wav"},
        {"bad automation line", Render(File("in.wav"), {"--automation", File("bad-line.txt")}), 1,
         "bad-line.txt:2:"},
        {"automation value out of range",
         Render(File("in.wav"), {"--automation", File("bad-value.txt")}), 1, "bad-value.txt:1:"},
        {"bad MIDI line", Render(File("in.wav"), {"--midi", File("bad.midi")}), 1, "bad.midi:1:"},
    };
    for (const ErrorCase& c : cases) {
        const ProgramRun run = RunAaxhost(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.what << "\n" << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.what << ": " << run.err;
    }
}

TEST_F(ProgramTest, RefusesAutomationOfAParameterTheEffectLacks) {
    DemoPlugin().Register(testsupport::RegistryView::k64Bit);
    WriteTextFile(File("unknown.txt"), "# gain\n\n0.5 volume 0.5\n");
    aaxhost::AudioData audio{48000.0, {std::vector<float>(4800, 0.25f)}};
    std::string error;
    ASSERT_TRUE(aaxhost::WriteAudioFile(File("in.wav"), audio, error)) << error;
    const ProgramRun run = RunAaxhost({"render", kModule, "--in", File("in.wav"), "--out",
                                       File("out.wav"), "--automation", File("unknown.txt")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("unknown.txt:3: the effect has no parameter 'volume'"),
              std::string::npos)
        << run.err;
}

}  // namespace
