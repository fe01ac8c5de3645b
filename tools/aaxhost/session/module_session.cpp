#include "tools/aaxhost/session/module_session.h"

#include "abi/host_services.h"

namespace aaxhost {

std::unique_ptr<ModuleSession> ModuleSession::Open(const std::string& path, std::string& error) {
    const LoadedModule library = LoadModule(path);
    if (!library.usable) {
        error = library.failure;
        return nullptr;
    }
    std::unique_ptr<ModuleSession> session(new ModuleSession);
    session->mEntryPoints = library.entryPoints;
    session->mFactory.Provide(CLSID_AAX_HostServices, session->mServices);

    IACFUnknown* host = session->mFactory.Unknown();
    const ACFRESULT started = session->mEntryPoints.startup(host);
    if (started != ACF_OK) {
        error = "ACFStartup failed with " + std::to_string(started);
        return nullptr;
    }
    session->mStarted = true;

    IACFPluginDefinition* definition = nullptr;
    const ACFRESULT registered = session->mEntryPoints.registerPlugin(host, &definition);
    if (definition != nullptr) reinterpret_cast<IACFUnknown*>(definition)->Release();
    if (registered != ACF_OK) {
        error = "ACFRegisterPlugin failed with " + std::to_string(registered);
        return nullptr;
    }
    if (session->mRecorder.Count(DescriptionObject::kCollection) == 0 ||
        session->Declared().effects.size() != 1) {
        error = "the module did not register exactly one effect";
        return nullptr;
    }
    return session;
}

ModuleSession::~ModuleSession() {
    Shutdown();
}

void ModuleSession::Shutdown() {
    if (mStarted) mEntryPoints.shutdown(mFactory.Unknown());
    mStarted = false;
}

const Package& ModuleSession::Declared() const {
    return mRecorder.Collection(0).Declared();
}

const Component* ModuleSession::ComponentFor(int32_t channels) const {
    for (const Component& component : DeclaredEffect().components) {
        for (const ProcessProcedure& procedure : component.processProcedures) {
            if (!procedure.properties) continue;
            const auto format = FindProperty(*procedure.properties, kPropertyInputStemFormat);
            if (format && StemChannelCount(*format) == channels) return &component;
        }
    }
    return nullptr;
}

AAX_CCreateObjectProc ModuleSession::CreationProcedure(uint32_t procID) const {
    return DeclaredEffect().FindCreationProcedure(procID);
}

int32_t ModuleSession::LiveObjects() const {
    return mEntryPoints.canUnloadNow(mFactory.Unknown());
}

int64_t ModuleSession::OutstandingReferences() const {
    return mRecorder.OutstandingReferences() + mFactory.OutstandingReferences() +
           mServices.OutstandingReferences();
}

}  // namespace aaxhost
