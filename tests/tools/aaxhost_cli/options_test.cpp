// The command line of the stand-in host program: each subcommand's options, and a clear
// message with a non-zero exit for every mistake.
#include "tools/aaxhost/cli/options.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/tools/aaxhost_cli/temp_files.h"

namespace {

using aaxhost::Command;
using aaxhost::ParsedCommandLine;

class CommandLine : public ::testing::Test {
  protected:
    ParsedCommandLine Parse(const std::vector<std::string>& arguments) const {
        std::vector<std::string> words = {"aaxhost"};
        words.insert(words.end(), arguments.begin(), arguments.end());
        std::vector<const char*> argv;
        for (const std::string& word : words) argv.push_back(word.c_str());
        return aaxhost::ParseCommandLine(static_cast<int>(argv.size()), argv.data());
    }

    TempFiles files;
    const std::string module = files.Write("VQ318.aaxplugin", "module");
    const std::string input = files.Write("in.wav", "audio");
    const std::string automation = files.Write("moves.txt", "0 gain 0.5\n");
    const std::string midi = files.Write("notes.txt", "0 note-on 1 60 100\n");
    const std::string chunk = files.Write("state.bin", "chunk");
};

TEST_F(CommandLine, DescribeTakesTheModule) {
    const ParsedCommandLine parsed = Parse({"describe", module});
    ASSERT_TRUE(parsed.options) << parsed.message;
    EXPECT_EQ(parsed.options->command, Command::kDescribe);
    EXPECT_EQ(parsed.options->module, module);
}

TEST_F(CommandLine, EveryCommandTakesTheBundleFolderAsTheLibraryInside) {
    std::filesystem::create_directories(files.Path("Bundle.aaxplugin/Contents/x64"));
    const std::string inner = files.Write("Bundle.aaxplugin/Contents/x64/Bundle.aaxplugin", "dll");
    std::filesystem::create_directories(files.Path("Empty.aaxplugin"));
    const std::string bundle = files.Path("Bundle.aaxplugin");
    const std::string empty = files.Path("Empty.aaxplugin");
    const std::vector<std::vector<std::string>> commands = {
        {"describe", "M"},
        {"render", "M", "--in", input, "--out", files.Path("out.wav")},
        {"state", "save", "M", files.Path("new.bin")},
        {"state", "load", "M", chunk},
        {"validate", "M"},
        {"edit", "M"},
    };
    for (std::vector<std::string> arguments : commands) {
        SCOPED_TRACE(arguments.front());
        std::string& word = *std::find(arguments.begin(), arguments.end(), "M");
        word = bundle;
        ParsedCommandLine parsed = Parse(arguments);
        ASSERT_TRUE(parsed.options) << parsed.message;
        EXPECT_EQ(std::filesystem::path(parsed.options->module), std::filesystem::path(inner));
        word = empty;
        parsed = Parse(arguments);
        EXPECT_FALSE(parsed.options);
        EXPECT_EQ(parsed.exitCode, 2);
        EXPECT_NE(parsed.message.find(empty + " is a folder but not a module bundle"),
                  std::string::npos)
            << parsed.message;
    }
}

TEST_F(CommandLine, RenderTakesEveryOption) {
    const ParsedCommandLine parsed =
        Parse({"render", module, "--in", input, "--out", files.Path("out.wav"), "--block", "256",
               "--rate", "48000", "--automation", automation, "--midi", midi, "--tempo", "96.5",
               "--plot", files.Path("plot.svg")});
    ASSERT_TRUE(parsed.options) << parsed.message;
    const aaxhost::RenderOptions& render = parsed.options->render;
    EXPECT_EQ(parsed.options->command, Command::kRender);
    EXPECT_EQ(parsed.options->module, module);
    EXPECT_EQ(render.input, input);
    EXPECT_EQ(render.output, files.Path("out.wav"));
    EXPECT_EQ(render.blockFrames, 256);
    EXPECT_EQ(render.sampleRate, 48000.0);
    EXPECT_EQ(render.automationFile, automation);
    EXPECT_EQ(render.midiFile, midi);
    EXPECT_EQ(render.tempo, 96.5);
    EXPECT_EQ(render.plotFile, files.Path("plot.svg"));
}

TEST_F(CommandLine, RenderDefaultsLeaveRateTempoAndFilesToTheProgram) {
    const ParsedCommandLine parsed = Parse({"render", module, "--in", input, "--out", "o.wav"});
    ASSERT_TRUE(parsed.options) << parsed.message;
    const aaxhost::RenderOptions& render = parsed.options->render;
    EXPECT_EQ(render.blockFrames, 512);
    EXPECT_FALSE(render.sampleRate);
    EXPECT_FALSE(render.tempo);
    EXPECT_TRUE(render.automationFile.empty());
    EXPECT_TRUE(render.midiFile.empty());
    EXPECT_TRUE(render.plotFile.empty());
}

TEST_F(CommandLine, StateSavesAndLoadsAChunkFile) {
    ParsedCommandLine parsed = Parse({"state", "save", module, files.Path("new.bin")});
    ASSERT_TRUE(parsed.options) << parsed.message;
    EXPECT_EQ(parsed.options->command, Command::kStateSave);
    EXPECT_EQ(parsed.options->stateFile, files.Path("new.bin"));
    parsed = Parse({"state", "load", module, chunk});
    ASSERT_TRUE(parsed.options) << parsed.message;
    EXPECT_EQ(parsed.options->command, Command::kStateLoad);
    EXPECT_EQ(parsed.options->stateFile, chunk);
}

TEST_F(CommandLine, ValidateTakesLevelSeedAndJson) {
    ParsedCommandLine parsed = Parse({"validate", module});
    ASSERT_TRUE(parsed.options) << parsed.message;
    EXPECT_EQ(parsed.options->command, Command::kValidate);
    EXPECT_EQ(parsed.options->validate.level, 5);
    EXPECT_EQ(parsed.options->validate.seed, 1u);
    parsed = Parse({"validate", module, "--level", "10", "--seed", "18446744073709551615", "--json",
                    files.Path("report.json")});
    ASSERT_TRUE(parsed.options) << parsed.message;
    EXPECT_EQ(parsed.options->validate.level, 10);
    EXPECT_EQ(parsed.options->validate.seed, 18446744073709551615u);
    EXPECT_EQ(parsed.options->validate.jsonFile, files.Path("report.json"));
    // --json without a file means the standard output; --list needs no module.
    parsed = Parse({"validate", "--list", "--json"});
    ASSERT_TRUE(parsed.options) << parsed.message;
    EXPECT_TRUE(parsed.options->validate.list);
    EXPECT_EQ(parsed.options->validate.jsonFile, "-");
}

TEST_F(CommandLine, EditTakesSecondsScreenshotDragAndState) {
    ParsedCommandLine parsed = Parse({"edit", module});
    ASSERT_TRUE(parsed.options) << parsed.message;
    EXPECT_EQ(parsed.options->command, Command::kEdit);
    EXPECT_FALSE(parsed.options->edit.seconds);
    EXPECT_TRUE(parsed.options->edit.screenshotFile.empty());
    EXPECT_TRUE(parsed.options->edit.dragParameter.empty());
    EXPECT_TRUE(parsed.options->edit.stateFile.empty());
    const struct {
        const char* drag;
        float value;
    } drags[] = {{"0", 0.0f}, {"1", 1.0f}, {"0.25", 0.25f}};
    for (const auto& drag : drags) {
        SCOPED_TRACE(drag.drag);
        parsed = Parse({"edit", module, "--drag", "tone", drag.drag, "--seconds", "1.5",
                        "--screenshot", "shot.png", "--save-state", "edited.bin"});
        ASSERT_TRUE(parsed.options) << parsed.message;
        EXPECT_EQ(parsed.options->edit.dragParameter, "tone");
        EXPECT_EQ(parsed.options->edit.dragValue, drag.value);
        EXPECT_EQ(parsed.options->edit.seconds, 1.5);
        EXPECT_EQ(parsed.options->edit.screenshotFile, "shot.png");
        EXPECT_EQ(parsed.options->edit.stateFile, "edited.bin");
    }
}

TEST_F(CommandLine, MistakesEndWithTheUsageCodeAndSayWhatIsWrong) {
    const std::string missing = files.Path("missing");
    // A complete render command followed by `extra`.
    const auto render = [&](const std::vector<std::string>& extra) {
        std::vector<std::string> words = {"render", module, "--in", input, "--out", "o"};
        words.insert(words.end(), extra.begin(), extra.end());
        return words;
    };
    const struct {
        const char* what;
        std::vector<std::string> arguments;
        const char* says;
    } cases[] = {
        {"no command", {}, "expected a command: describe, render, state, validate or edit"},
        {"unknown command", {"play", module}, "unknown command 'play'"},
        {"missing module", {"describe", missing}, missing.c_str()},
        {"no module", {"describe"}, "MODULE"},
        {"render without --out", {"render", module, "--in", input}, "--out"},
        {"render of a missing input",
         {"render", module, "--in", missing, "--out", "o"},
         missing.c_str()},
        {"block that is not a number", render({"--block", "many"}), "--block"},
        {"block of zero frames", render({"--block", "0"}), "--block"},
        {"rate that is not a number", render({"--rate", "fast"}), "--rate"},
        {"negative tempo", render({"--tempo", "-1"}), "--tempo"},
        {"missing automation file", render({"--automation", missing}), missing.c_str()},
        {"missing MIDI file", render({"--midi", missing}), missing.c_str()},
        {"state without save or load",
         {"state", module, chunk},
         "state: expected 'save' or 'load'"},
        {"state alone", {"state"}, "state: expected 'save' or 'load', found ''"},
        {"state load of a missing file", {"state", "load", module, missing}, missing.c_str()},
        {"level 11", {"validate", module, "--level", "11"}, "--level"},
        {"level 0", {"validate", module, "--level", "0"}, "--level"},
        {"negative seed", {"validate", module, "--seed", "-3"}, "--seed"},
        {"validate without a module or --list", {"validate", "--level", "3"}, "MODULE"},
        {"--list with a module", {"validate", module, "--list"}, "--list"},
        {"no repeats", {"validate", module, "--repeat", "0"}, "--repeat"},
        {"timeout of nothing", {"validate", module, "--timeout", "0"}, "--timeout"},
        {"unknown option", {"describe", module, "--verbose"}, "--verbose"},
        {"negative seconds", {"edit", module, "--seconds", "-1"}, "--seconds"},
        {"drag past the end", {"edit", module, "--drag", "tone", "1.01"}, "from 0 to 1: 1.01"},
        {"drag below the start", {"edit", module, "--drag", "tone", "-0.5"}, "from 0 to 1"},
        {"drag to a word", {"edit", module, "--drag", "tone", "high"}, "from 0 to 1: high"},
        {"drag without a value", {"edit", module, "--drag", "tone"}, "--drag"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ParsedCommandLine parsed = Parse(c.arguments);
        EXPECT_FALSE(parsed.options);
        EXPECT_EQ(parsed.exitCode, 2);
        EXPECT_NE(parsed.message.find(c.says), std::string::npos) << parsed.message;
    }
}

TEST_F(CommandLine, HelpEndsWithoutErrorAndListsTheSubcommands) {
    const ParsedCommandLine parsed = Parse({"--help"});
    EXPECT_FALSE(parsed.options);
    EXPECT_EQ(parsed.exitCode, 0);
    for (const char* subcommand : {"describe", "render", "state", "validate", "edit"}) {
        EXPECT_NE(parsed.message.find(subcommand), std::string::npos) << subcommand;
    }
    const ParsedCommandLine render = Parse({"render", "--help"});
    EXPECT_EQ(render.exitCode, 0);
    EXPECT_NE(render.message.find("--automation"), std::string::npos);
}

}  // namespace
