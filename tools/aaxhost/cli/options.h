// The command line of the stand-in host program:
//   aaxhost describe MODULE
//   aaxhost render MODULE --in IN --out OUT [--block N] [--rate R] [--automation FILE]
//                         [--midi FILE] [--tempo BPM] [--plot FILE.svg]
//   aaxhost state save|load MODULE FILE
//   aaxhost validate MODULE [--level 1..10] [--seed S] [--json FILE] [--junit FILE]
//                           [--timeout S] [--in-process] [--only REGEX] [--skip REGEX]
//                           [--repeat N] [--randomise] [--rates R,...] [--blocks N,...]
//   aaxhost validate --list [--json] [--level 1..10]
//   aaxhost edit MODULE [--seconds S] [--screenshot FILE.png] [--drag PARAMETER VALUE]
//                       [--save-state FILE]
// MODULE is the module library or the bundle folder holding it (tools/aaxhost/cli/module_path.h).
// Files that the program reads must exist when it starts; numbers must be numbers in range.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace aaxhost {

enum class Command { kDescribe, kRender, kStateSave, kStateLoad, kValidate, kEdit };

struct RenderOptions {
    std::string input;
    std::string output;
    int32_t blockFrames = 512;
    std::optional<double> sampleRate;  // the input file's rate when not given
    std::string automationFile;        // empty when not given, as the other files
    std::string midiFile;
    std::optional<double> tempo;  // beats per minute; the host transport's default when not given
    std::string plotFile;
};

struct ValidateOptions {
    int32_t level = 5;     // 1 (quick) to 10 (everything, concurrency included)
    uint64_t seed = 1;     // for the random parameter values and block sizes
    std::string jsonFile;  // "-" for the standard output
    std::string junitFile;
    std::optional<double> timeoutSeconds;  // a check's time; scaled by the level when not given
    bool inProcess = false;                // every check in this process, for a debugger
    bool list = false;
    std::string only;  // regular expressions over check names; empty for none
    std::string skip;
    int32_t repeat = 1;
    bool randomise = false;  // the checks after "load" in an order drawn from the seed
    // The sample rates that get a render check each, and the block sizes the block-sizes check
    // renders; at least one of each.
    std::vector<double> rates = {44100.0, 48000.0, 88200.0, 96000.0, 176400.0, 192000.0};
    std::vector<int32_t> blocks = {1, 2, 3, 17, 32, 64, 128, 256, 512, 1024, 4096, 8192, 16384};
    std::string runCheck;  // set in the child process that runs one check
};

struct EditOptions {
    std::optional<double> seconds;  // open until the window is closed when not given
    std::string screenshotFile;     // taken when the window closes; empty when not given
    std::string dragParameter;      // empty when no drag was asked for
    float dragValue = 0.0f;         // the normalized value the drag ends at
    std::string stateFile;          // the effect's chunk after the window closed, as state save
};

struct Options {
    Command command = Command::kDescribe;
    std::string module;     // the module library's path, inside the bundle when one was named
    RenderOptions render;   // render only
    std::string stateFile;  // state save and load only
    ValidateOptions validate;
    EditOptions edit;
};

// What the command line asks for: options to run with, or an exit with a message.
struct ParsedCommandLine {
    std::optional<Options> options;
    int exitCode = 0;     // when there are no options: 0 after help, non-zero for an error
    std::string message;  // the help, or the error followed by a hint at --help
};

ParsedCommandLine ParseCommandLine(int argc, const char* const argv[]);

}  // namespace aaxhost
