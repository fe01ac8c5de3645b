// aaxhost state save|load: the effect's chunk to and from a state file (state_file.h).
#include "tools/aaxhost/program/program.h"
#include "tools/aaxhost/program/state_file.h"

namespace aaxhost {

int StateCommand(const Options& options, std::ostream& out, std::ostream& err) {
    std::unique_ptr<ModuleSession> session = OpenModule(options.module, err);
    if (session == nullptr) return kExitFailure;
    std::unique_ptr<EffectInstance> opened = OpenInstance(*session, options.module, err);
    if (opened == nullptr) return kExitFailure;
    EffectInstance& instance = *opened;
    std::string error;
    SavedState state;
    if (options.command == Command::kStateSave) {
        const Result saved = instance.SaveState(state);
        if (saved != AAX_SUCCESS) {
            err << "aaxhost: the effect gave no chunk (result " << saved << ")\n";
            return kExitFailure;
        }
        if (!WriteWholeFile(options.stateFile, EncodeStateFile(state), error)) {
            err << "aaxhost: " << error << '\n';
            return kExitFailure;
        }
        out << "saved " << state.data.size() << " bytes of chunk " << state.chunkID << " to "
            << options.stateFile << '\n';
        return 0;
    }
    std::vector<unsigned char> bytes;
    if (!ReadWholeFile(options.stateFile, bytes, error)) {
        err << "aaxhost: " << error << '\n';
        return kExitFailure;
    }
    if (!DecodeStateFile(bytes, state, error)) {
        err << "aaxhost: " << options.stateFile << ": " << error << '\n';
        return kExitFailure;
    }
    const Result loaded = instance.LoadState(state);
    if (loaded != AAX_SUCCESS) {
        err << "aaxhost: the effect refused the chunk in " << options.stateFile << " (result "
            << loaded << ")\n";
        return kExitFailure;
    }
    // The effect may answer success for bytes that its plug-in could not read; what it saves
    // afterwards tells whether it took them.
    SavedState now;
    if (instance.SaveState(now) != AAX_SUCCESS || now.chunkID != state.chunkID ||
        now.data != state.data) {
        err << "aaxhost: the effect did not take the chunk in " << options.stateFile
            << ": its state afterwards differs from the file\n";
        return kExitFailure;
    }
    out << "loaded " << state.data.size() << " bytes of chunk " << state.chunkID << " from "
        << options.stateFile << '\n';
    return 0;
}

}  // namespace aaxhost
