#include "tools/aaxhost/session/module_session.h"

#include "abi/host_services.h"

namespace aaxhost {

std::unique_ptr<ModuleSession> ModuleSession::Open(const std::string& path, std::string& error) {
    std::unique_ptr<ModuleSession> session = Load(path, error);
    if (session == nullptr) return nullptr;
    const Result started = session->Startup();
    if (started != AAX_SUCCESS) {
        error = "ACFStartup failed with " + std::to_string(started);
        return nullptr;
    }
    const Result registered = session->Register();
    if (registered != AAX_SUCCESS) {
        error = "ACFRegisterPlugin failed with " + std::to_string(registered);
        return nullptr;
    }
    if (!session->DeclaresOneEffect()) {
        error = "the module did not register exactly one effect";
        return nullptr;
    }
    return session;
}

std::unique_ptr<ModuleSession> ModuleSession::Load(const std::string& path, std::string& error) {
    const LoadedModule library = LoadModule(path);
    if (!library.usable) {
        error = library.failure;
        return nullptr;
    }
    std::unique_ptr<ModuleSession> session(new ModuleSession);
    session->mEntryPoints = library.entryPoints;
    session->mFactory.Provide(CLSID_HostGeneralServices, session->mServices);
    return session;
}

Result ModuleSession::Startup() {
    const Result started = mEntryPoints.startup(mFactory.Unknown());
    mStarted = mStarted || started == AAX_SUCCESS;
    return started;
}

Result ModuleSession::Register() {
    HostPluginDefinition* definition = nullptr;
    const Result registered = mEntryPoints.registerPlugin(mFactory.Unknown(), &definition);
    if (definition != nullptr) reinterpret_cast<IACFUnknown*>(definition)->Release();
    return registered;
}

bool ModuleSession::DeclaresOneEffect() const {
    return mRecorder.Count(DescriptionObject::kCollection) != 0 && Declared().effects.size() == 1;
}

ModuleSession::~ModuleSession() {
    Shutdown();
}

void ModuleSession::Shutdown() {
    if (mStarted) mEntryPoints.shutdown(mFactory.Unknown());
    mStarted = false;
}

const Package& ModuleSession::Declared() const {
    return mRecorder.Collection(mRecorder.Count(DescriptionObject::kCollection) - 1).Declared();
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

CreationProc ModuleSession::CreationProcedure(uint32_t procID) const {
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
