// The module that ships under a workstation's threads at once, for a bounded number of blocks:
// the render thread runs blocks with MIDI and a playing, stopping transport; another thread sets
// parameter requests through the effect-parameters interface (the host answers them on its own
// thread); the plug-in automates from inside its blocks (both plug-ins), and automates and asks
// the time from threads of its own (the test plug-in); the host thread saves and restores state
// and attaches, idles and detaches the editor. The thread sanitizer suite fails on any race
// report.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "tests/integration/session_fixture.h"

namespace {

class ModuleConcurrency : public BothPluginsTest {};

TEST_P(ModuleConcurrency, RenderParametersTimeStateAndEditorAtOnce) {
    testplugin::Script script = QuietScript();
    script.recording = 1;  // to find the plug-in instance; the log is safe from any thread
    script.reportsInProcess = 1;
    Control().SetScript(script);
    OpenSession();
    auto instance = NewInstance();
    ASSERT_TRUE(instance->Ready());
    AEffect* plugin = GetParam() == HostedPlugin::kTest ? WrappedEffect() : nullptr;
    if (GetParam() == HostedPlugin::kTest) {
        ASSERT_NE(plugin, nullptr);
    }
    const std::vector<std::string> automated = Automatable(*instance);
    ASSERT_FALSE(automated.empty());

    std::atomic<bool> rendering{true};
    std::atomic<int32_t> blocksDone{0};
    std::thread renderThread([&] {
        const std::vector<MidiPacket> midi = MidiTraffic(true);
        StereoBuffers buffers(64);
        for (int32_t block = 0; block < 1500; ++block) {
            instance->MidiInput().SetPackets(midi.data(), block % 4 == 0 ? midi.size() : 0);
            instance->Transport().state.playing = block % 30 < 24;
            instance->Render(buffers.inputs, buffers.outputs, buffers.frames);
            ++blocksDone;
        }
        rendering = false;
    });
    std::thread parameterThread([&] {
        for (int32_t step = 0; rendering.load(); ++step) {
            const std::string& id = automated[static_cast<size_t>(step) % automated.size()];
            instance->Effect().SetParameterNormalizedValue(id.c_str(), (step % 5) / 4.0);
            double value = 0.0;
            instance->Effect().GetParameterNormalizedValue(id.c_str(), &value);
        }
    });
    std::thread pluginThread([&] {
        if (plugin == nullptr) return;
        for (int32_t step = 0; rendering.load(); ++step) {
            Control().CallHost(plugin, audioMasterGetTime, 0, kVstPpqPosValid | kVstTempoValid);
            Control().CallHost(plugin, audioMasterBeginEdit, step % 2);
            Control().CallHost(plugin, audioMasterAutomate, step % 2, 0, nullptr, 0.3f);
            Control().CallHost(plugin, audioMasterEndEdit, step % 2);
        }
    });

    // The host thread.
    int window = 0;
    while (rendering.load()) {
        instance->Service();
        aaxhost::SavedState state;
        if (instance->SaveState(state) == AAX_SUCCESS) instance->LoadState(state);
        instance->OpenEditor(kViewTypeWindowHandle, &window);
        instance->IdleEditor();
        instance->CloseEditor();
    }
    renderThread.join();
    parameterThread.join();
    pluginThread.join();
    instance->Service();
    EXPECT_EQ(blocksDone.load(), 1500);
    instance.reset();
}

INSTANTIATE_TEST_SUITE_P(Plugins, ModuleConcurrency,
                         testing::Values(HostedPlugin::kTest, HostedPlugin::kDemo),
                         HostedPluginName);

}  // namespace
