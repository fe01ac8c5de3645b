// Fixture of the render suites: one loaded bridge instance and the algorithm context of a host,
// the plug-in's calls read back from the test plug-in.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tests/process/render_harness.h"
#include "tests/support/bridge_instance.h"
#include "tests/support/plugin_test_fixture.h"

class RenderTest : public PluginTest {
  protected:
    // Loads an instance that answers with `script` and posts it into a context of `channels`.
    void Load(const testplugin::Script& script, int32_t channels = 2) {
        Control().SetScript(script);
        instance = std::make_unique<BridgeInstance>();
        ASSERT_NE(Effect(), nullptr);
        host = std::make_unique<RenderHarness>(channels, Objects());
        host->Post(&instance->bridge, 1);
    }
    void Load() { Load(testplugin::DefaultScript()); }
    virtual HostObjects Objects() const { return HostObjects::kCxx; }

    // A plug-in that asks for the time in every block, as most do.
    static testplugin::Script AskingTime() {
        testplugin::Script script = testplugin::DefaultScript();
        script.asksTimeInProcess = 1;
        return script;
    }

    AEffect* Effect() const { return instance->bridge.effect; }
    VstCallBack& CallBack() const { return instance->callBack; }
    std::vector<testplugin::Call> Calls() const { return Control().CallsTo(Effect()); }
    // The time answer that the plug-in saw in its last processReplacing.
    VstTimeInfo LastTimeSeen() const {
        const std::vector<testplugin::Call> calls = Calls();
        for (auto call = calls.rbegin(); call != calls.rend(); ++call) {
            if (call->kind == testplugin::CallKind::kProcessReplacing && call->sawTime != 0) {
                return call->time;
            }
        }
        ADD_FAILURE() << "the plug-in saw no time";
        return VstTimeInfo{};
    }

    std::unique_ptr<BridgeInstance> instance;
    std::unique_ptr<RenderHarness> host;
};

// The same tests with the C++ host objects and with the C kit's: both must give the same results.
class RenderOnBothHosts : public RenderTest, public testing::WithParamInterface<HostObjects> {
  protected:
    HostObjects Objects() const override { return GetParam(); }
};

inline std::string HostObjectsName(const testing::TestParamInfo<HostObjects>& info) {
    return info.param == HostObjects::kC ? "CHostObjects" : "CxxHostObjects";
}
