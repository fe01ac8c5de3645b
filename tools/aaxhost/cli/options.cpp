#include "tools/aaxhost/cli/options.h"

#include <CLI/CLI.hpp>
#include <cstdlib>
#include <sstream>
#include <string_view>

#include "tools/aaxhost/cli/module_path.h"

namespace aaxhost {
namespace {

constexpr int32_t kMaxBlockFrames = 16384;

constexpr int kUsageError = 2;

// A bundle folder stands for the library inside it, so every command takes either.
const CLI::Validator kModuleBundle(
    [](std::string& path) {
        std::string error;
        std::optional<std::string> library = ResolveModulePath(path, error);
        if (!library) return error;
        path = std::move(*library);
        return std::string();
    },
    "", "BUNDLE");

CLI::Option* AddModule(CLI::App& command, Options& options) {
    return command
        .add_option("MODULE", options.module,
                    "the module's path: the plug-in library, or the bundle folder "
                    "NAME.aaxplugin holding it as Contents/x64/NAME.aaxplugin")
        ->required()
        ->check(CLI::ExistingPath)
        ->transform(kModuleBundle);
}

void AddRender(CLI::App& app, Options& options) {
    CLI::App* render = app.add_subcommand("render", "render an audio file through the module");
    AddModule(*render, options);
    RenderOptions& r = options.render;
    render->add_option("--in", r.input, "input audio file")->required()->check(CLI::ExistingFile);
    render->add_option("--out", r.output, "output audio file (32-bit float WAV)")->required();
    render->add_option("--block", r.blockFrames, "frames per block")
        ->check(CLI::Range(1, kMaxBlockFrames));
    render->add_option("--rate", r.sampleRate, "sample rate (default: the input file's)")
        ->check(CLI::Range(1000.0, 768000.0));
    render
        ->add_option("--automation", r.automationFile,
                     "automation file: '<seconds> <parameter-identifier> <normalized value>'")
        ->check(CLI::ExistingFile);
    render
        ->add_option("--midi", r.midiFile,
                     "MIDI file: '<seconds> note-on|note-off|cc <channel> <number> <value>'")
        ->check(CLI::ExistingFile);
    render->add_option("--tempo", r.tempo, "tempo of the host transport, beats per minute")
        ->check(CLI::Range(1.0, 999.0));
    render->add_option("--plot", r.plotFile, "SVG file with the waveforms and automation");
    render->callback([&options] { options.command = Command::kRender; });
}

void AddState(CLI::App& app, Options& options) {
    CLI::App* state = app.add_subcommand("state", "save or load the effect's chunk");
    state->require_subcommand(1);
    CLI::App* save = state->add_subcommand("save", "write the effect's chunk to FILE");
    AddModule(*save, options);
    save->add_option("FILE", options.stateFile, "chunk file to write")->required();
    save->callback([&options] { options.command = Command::kStateSave; });
    CLI::App* load = state->add_subcommand("load", "restore the effect's chunk from FILE");
    AddModule(*load, options);
    load->add_option("FILE", options.stateFile, "chunk file to read")
        ->required()
        ->check(CLI::ExistingFile);
    load->callback([&options] { options.command = Command::kStateLoad; });
}

void AddValidate(CLI::App& app, Options& options) {
    CLI::App* validate =
        app.add_subcommand("validate", "check the module the way plug-in validators do");
    CLI::Option* module = AddModule(*validate, options);
    ValidateOptions& v = options.validate;
    validate->add_option("--level", v.level, "how thorough, 1 to 10")->check(CLI::Range(1, 10));
    validate->add_option("--seed", v.seed, "seed of the random choices")
        ->check(CLI::NonNegativeNumber);
    validate
        ->add_option("--json", v.jsonFile,
                     "also write the results (with --list: the checks) to FILE as JSON; "
                     "without FILE to the standard output")
        ->expected(0, 1)
        ->default_str("-");
    validate->add_option("--junit", v.junitFile, "also write the results to FILE as JUnit XML");
    validate->add_option("--timeout", v.timeoutSeconds, "seconds a check may take")
        ->check(CLI::Range(0.1, 86400.0));
    validate->add_flag("--in-process", v.inProcess,
                       "run every check in this process (for a debugger; a crash ends the run)");
    CLI::Option* list = validate->add_flag("--list", v.list, "list the checks and stop");
    module->required(false)->excludes(list);
    validate->add_option("--only", v.only, "run only the checks whose names match REGEX");
    validate->add_option("--skip", v.skip, "skip the checks whose names match REGEX");
    validate->add_option("--repeat", v.repeat, "run each check N times")
        ->check(CLI::Range(1, 1000));
    validate->add_flag("--randomise", v.randomise,
                       "run the checks in an order drawn from the seed");
    validate->add_option("--rates", v.rates, "sample rates, comma-separated, a render check each")
        ->delimiter(',')
        ->check(CLI::Range(1000.0, 768000.0));
    validate
        ->add_option("--blocks", v.blocks,
                     "block sizes in frames, comma-separated, for the block-sizes check")
        ->delimiter(',')
        ->check(CLI::Range(1, kMaxBlockFrames));
    validate->add_option("--run-check", v.runCheck)->group("");
    validate->callback([&options] { options.command = Command::kValidate; });
}

void AddEdit(CLI::App& app, Options& options) {
    CLI::App* edit =
        app.add_subcommand("edit", "open the effect's editor in a window while audio plays");
    AddModule(*edit, options);
    EditOptions& e = options.edit;
    edit->add_option("--seconds", e.seconds, "close the window after this many seconds")
        ->check(CLI::Range(0.0, 86400.0));
    edit->add_option("--screenshot", e.screenshotFile,
                     "save what the window shows as it closes to FILE.png");
    edit->add_option_function<std::vector<std::string>>(
            "--drag",
            [&e](const std::vector<std::string>& drag) {
                e.dragParameter = drag.at(0);
                const std::string& value = drag.at(1);
                char* end = nullptr;
                e.dragValue = std::strtof(value.c_str(), &end);
                if (value.empty() || *end != '\0' || !(e.dragValue >= 0.0f) || e.dragValue > 1.0f) {
                    throw CLI::ValidationError("--drag",
                                               "VALUE must be a number from 0 to 1: " + value);
                }
            },
            "drag the bar of PARAMETER (an identifier) to VALUE (0 to 1) with the mouse")
        ->expected(2)
        ->type_name("PARAMETER VALUE");
    edit->add_option("--save-state", e.stateFile,
                     "write the effect's chunk to FILE once the window is closed, as state save");
    edit->callback([&options] { options.command = Command::kEdit; });
}

// CLI11 reports a missing or unknown command word only as "a subcommand is required"; these
// words are checked first so that the message names what was found and what was expected.
std::optional<std::string> CommandWordError(int argc, const char* const argv[]) {
    const auto isOption = [](std::string_view word) { return !word.empty() && word[0] == '-'; };
    const std::string_view first = argc > 1 ? argv[1] : "";
    if (isOption(first)) return std::nullopt;
    if (first != "describe" && first != "render" && first != "state" && first != "validate" &&
        first != "edit") {
        return first.empty()
                   ? std::string("expected a command: describe, render, state, validate or edit")
                   : "unknown command '" + std::string(first) +
                         "'; expected describe, render, state, validate or edit";
    }
    const std::string_view second = argc > 2 ? argv[2] : "";
    if (first == "state" && second != "save" && second != "load" && !isOption(second)) {
        return "state: expected 'save' or 'load', found '" + std::string(second) + "'";
    }
    return std::nullopt;
}

}  // namespace

ParsedCommandLine ParseCommandLine(int argc, const char* const argv[]) {
    Options options;
    CLI::App app("The stand-in host: loads an AAX module as a workstation would.", "aaxhost");
    // CLI11 reads "/name" as an option on Windows by default; under Wine, paths start with '/'.
    app.allow_windows_style_options(false);
    app.require_subcommand(1);
    CLI::App* describe =
        app.add_subcommand("describe", "show the effect's description and parameters");
    AddModule(*describe, options);
    describe->callback([&options] { options.command = Command::kDescribe; });
    AddRender(app, options);
    AddState(app, options);
    AddValidate(app, options);
    AddEdit(app, options);

    ParsedCommandLine parsed;
    if (std::optional<std::string> error = CommandWordError(argc, argv)) {
        parsed.exitCode = kUsageError;
        parsed.message = *error + "\nRun with --help for more information.\n";
        return parsed;
    }
    try {
        app.parse(argc, argv);
        // Only validate --list goes without a module.
        if (options.command == Command::kValidate && !options.validate.list &&
            options.module.empty()) {
            throw CLI::RequiredError("MODULE");
        }
        parsed.options = std::move(options);
    } catch (const CLI::ParseError& error) {
        std::ostringstream out;
        std::ostringstream err;
        // Help ends with 0; every mistake with the one usage code, whatever its kind.
        parsed.exitCode = app.exit(error, out, err) == 0 ? 0 : kUsageError;
        parsed.message = out.str() + err.str();
    }
    return parsed;
}

}  // namespace aaxhost
