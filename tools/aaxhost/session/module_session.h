// A module as a workstation holds it: loaded by path, started with the host's services and
// registered through its entry points alone. Everything the host later calls (creation
// procedures, process procedures) it finds in the description kept here.
//
// Life: Open (load, ACFStartup, ACFRegisterPlugin) → instances come and go → destruction
// (ACFShutdown). A host that misbehaves takes the steps one by one instead: Load, then its host
// objects set up to answer as it likes, then Startup (or not) and Register. The library itself
// stays loaded for the life of the process.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "abi/description_types.h"
#include "tools/aaxhost/objects/component_factory.h"
#include "tools/aaxhost/objects/description_recorder.h"
#include "tools/aaxhost/objects/host_services.h"
#include "tools/aaxhost/objects/module_library.h"
#include "tools/aaxhost/objects/recorded_description.h"

namespace aaxhost {

class ModuleSession {
  public:
    // Null with `error` set when the library does not load, lacks an entry point, or does not
    // register exactly one effect.
    static std::unique_ptr<ModuleSession> Open(const std::string& path, std::string& error);
    // The library loaded and no entry point called yet; null with `error` set when the library
    // does not load or lacks an entry point.
    static std::unique_ptr<ModuleSession> Load(const std::string& path, std::string& error);
    ~ModuleSession();
    ModuleSession(const ModuleSession&) = delete;
    ModuleSession& operator=(const ModuleSession&) = delete;

    // ACFStartup with this session's host; a session started is shut down at destruction.
    Result Startup();
    // ACFRegisterPlugin with this session's host. The plug-in definition's reference is given
    // back at once; the package that the host kept is then Declared().
    Result Register();
    // Whether the latest registration declared exactly one effect.
    bool DeclaresOneEffect() const;

    // The host objects behind the session's host unknown, for a host that answers otherwise.
    StandInComponentFactory& Factory() { return mFactory; }
    DescriptionRecorder& Recorder() { return mRecorder; }
    StandInHostServices& Services() { return mServices; }

    const ModuleEntryPoints& EntryPoints() const { return mEntryPoints; }
    // The package that the host kept from the latest registration.
    const Package& Declared() const;
    const Effect& DeclaredEffect() const { return Declared().effects.front(); }
    // The component whose input stem format has `channels` channels, or null.
    const Component* ComponentFor(int32_t channels) const;
    CreationProc CreationProcedure(uint32_t procID) const;
    // What ACFCanUnloadNow answers: the module's objects still alive.
    int32_t LiveObjects() const;
    // References the module holds on the host's registration and service objects; the services
    // stay held from start-up to shutdown.
    int64_t OutstandingReferences() const;
    // ACFShutdown, once; destruction shuts down a session that is still started.
    void Shutdown();

  private:
    ModuleSession() = default;

    ModuleEntryPoints mEntryPoints;
    StandInComponentFactory mFactory;
    DescriptionRecorder mRecorder{mFactory};
    StandInHostServices mServices;
    bool mStarted = false;
};

}  // namespace aaxhost
