// Fixture of the suites that ask the test plug-in itself: one instance made from a script and
// linked to its bridge objects, asked through its effect record as a host asks.
#pragma once

#include <memory>

#include "tests/support/bridge_instance.h"
#include "tests/support/plugin_test_fixture.h"

class ScriptedPlugin : public PluginTest {
  protected:
    void Load(const testplugin::Script& script) {
        Control().SetScript(script);
        instance_ = std::make_unique<BridgeInstance>();
        ASSERT_NE(Effect(), nullptr);
    }
    AEffect* Effect() const { return instance_->bridge.effect; }
    intptr_t Dispatch(int32_t opcode, int32_t index, intptr_t value, void* ptr) const {
        return Effect()->dispatcher(Effect(), opcode, index, value, ptr, 0.0f);
    }

    std::unique_ptr<BridgeInstance> instance_;
};
