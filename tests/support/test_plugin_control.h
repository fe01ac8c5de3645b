// Test-side handle on a loaded test plug-in library: sets the answers of the next instances,
// reads the calls they received and calls the host as a plug-in instance would.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/test_plugin_api.h"

class TestPluginControl {
  public:
    // Loads the library at `path` (the same module as every other load of that path) and finds
    // its control functions; throws std::runtime_error when that fails.
    explicit TestPluginControl(const std::string& path);

    void SetScript(const testplugin::Script& script) const;
    void ResetLog() const;
    // Every call recorded since the last reset, in arrival order; throws when the log overflowed.
    std::vector<testplugin::Call> Calls() const;
    std::vector<testplugin::Call> CallsTo(const AEffect* effect) const;
    int32_t MainCalls() const;
    intptr_t CallHost(AEffect* effect, int32_t opcode, int32_t index = 0, intptr_t value = 0,
                      void* ptr = nullptr, float opt = 0.0f) const;
    int32_t CallsAfterClose() const;
    void ForgetClosed() const;
    AEffect* LastEffect() const;

  private:
    testplugin::SetScriptProc setScript_;
    testplugin::ResetLogProc resetLog_;
    testplugin::ReadLogProc readLog_;
    testplugin::MainCallsProc mainCalls_;
    testplugin::CallHostProc callHost_;
    testplugin::CallsAfterCloseProc callsAfterClose_;
    testplugin::ForgetClosedProc forgetClosed_;
    testplugin::LastEffectProc lastEffect_;
};
