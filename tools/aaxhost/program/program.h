// The stand-in host program `aaxhost`: what main runs, and each command it dispatches to. Every
// command writes its results to `out` and its problems to `err` and returns the exit code.
#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "tools/aaxhost/cli/options.h"
#include "tools/aaxhost/session/effect_instance.h"
#include "tools/aaxhost/session/module_session.h"

namespace aaxhost {

// Exit codes: 0 done, 1 the module or a file failed, 2 the command line was wrong.
inline constexpr int kExitFailure = 1;

int RunProgram(int argc, const char* const argv[], std::ostream& out, std::ostream& err);

int DescribeCommand(const Options& options, std::ostream& out, std::ostream& err);
int RenderCommand(const Options& options, std::ostream& out, std::ostream& err);
int StateCommand(const Options& options, std::ostream& out, std::ostream& err);
int ValidateCommand(const Options& options, std::ostream& out, std::ostream& err);
int EditCommand(const Options& options, std::ostream& out, std::ostream& err);

// How the program hosts an instance: its host objects do not record calls, so that rendering
// allocates nothing on the host's side and a long run does not grow.
inline InstanceOptions ProgramInstance(int32_t channels, double sampleRate) {
    return InstanceOptions{channels, static_cast<float>(sampleRate), SetRequestAnswer::kQueued,
                           false};
}

// The module opened as a workstation opens it; null after a message on `err` naming the path.
std::unique_ptr<ModuleSession> OpenModule(const std::string& path, std::ostream& err);

// An instance with every channel the module offers, at 44.1 kHz; null after a message on `err`.
std::unique_ptr<EffectInstance> OpenInstance(ModuleSession& session, const std::string& path,
                                             std::ostream& err);

}  // namespace aaxhost
