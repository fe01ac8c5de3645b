#include "tools/aaxhost/program/program.h"

namespace aaxhost {

std::unique_ptr<ModuleSession> OpenModule(const std::string& path, std::ostream& err) {
    std::string error;
    std::unique_ptr<ModuleSession> session = ModuleSession::Open(path, error);
    if (session == nullptr) {
        // The loader's messages name the path already; the start-up's do not.
        err << "aaxhost: " << (error.find(path) == std::string::npos ? path + ": " : "") << error
            << '\n';
    }
    return session;
}

std::unique_ptr<EffectInstance> OpenInstance(ModuleSession& session, const std::string& path,
                                             std::ostream& err) {
    const int32_t channels = session.ComponentFor(2) != nullptr ? 2 : 1;
    auto instance = std::make_unique<EffectInstance>(session, ProgramInstance(channels, 44100.0));
    if (instance->Ready()) return instance;
    err << "aaxhost: " << path << ": cannot instantiate the effect: " << instance->Failure()
        << '\n';
    return nullptr;
}

int RunProgram(int argc, const char* const argv[], std::ostream& out, std::ostream& err) {
    const ParsedCommandLine parsed = ParseCommandLine(argc, argv);
    if (!parsed.options) {
        (parsed.exitCode == 0 ? out : err) << parsed.message;
        return parsed.exitCode;
    }
    const Options& options = *parsed.options;
    switch (options.command) {
        case Command::kDescribe:
            return DescribeCommand(options, out, err);
        case Command::kRender:
            return RenderCommand(options, out, err);
        case Command::kStateSave:
        case Command::kStateLoad:
            return StateCommand(options, out, err);
        case Command::kValidate:
            return ValidateCommand(options, out, err);
        case Command::kEdit:
            return EditCommand(options, out, err);
    }
    return kExitFailure;
}

}  // namespace aaxhost
