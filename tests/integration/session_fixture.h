// Fixture of the suites that drive the module that ships whole, through the stand-in host's
// session, over the test plug-in or the demo plug-in installed where the module finds it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "abi/host_view_container.h"
#include "abi/midi.h"
#include "tests/support/installed_plugin.h"
#include "tests/support/plugin_test_fixture.h"
#include "tools/aaxhost/session/effect_instance.h"
#include "tools/aaxhost/session/module_session.h"

enum class HostedPlugin { kTest, kDemo };

inline std::string HostedPluginName(const testing::TestParamInfo<HostedPlugin>& info) {
    return info.param == HostedPlugin::kTest ? "TestPlugin" : "DemoPlugin";
}

// Stereo blocks of `frames` samples, the input a quiet ramp.
struct StereoBuffers {
    explicit StereoBuffers(int32_t frames) : frames(frames) {
        for (int channel = 0; channel < 2; ++channel) {
            in[channel].resize(static_cast<size_t>(frames));
            out[channel].assign(static_cast<size_t>(frames), 0.0f);
            for (size_t i = 0; i < in[channel].size(); ++i) {
                in[channel][i] = 0.001f * static_cast<float>(i % 97) + 0.1f;
            }
            inputs[channel] = in[channel].data();
            outputs[channel] = out[channel].data();
        }
    }
    int32_t frames;
    std::vector<float> in[2];
    std::vector<float> out[2];
    const float* inputs[2];
    float* outputs[2];
};

class SessionTest : public PluginTest {
  protected:
    virtual HostedPlugin Hosted() const { return HostedPlugin::kTest; }

    // Installs the plug-in under test; the test plug-in's script is set before.
    void SetUp() override {
        PluginTest::SetUp();
        if (Hosted() == HostedPlugin::kDemo) {
            DemoPlugin().Register(testsupport::RegistryView::k64Bit);
        }
    }

    void TearDown() override {
        if (session != nullptr) {
            EXPECT_EQ(session->LiveObjects(), 0) << "every module object released";
            session->Shutdown();
            EXPECT_EQ(session->OutstandingReferences(), 0);
        }
        session.reset();
        PluginTest::TearDown();
    }

    static InstalledPlugin& DemoPlugin() {
        static InstalledPlugin plugin(VQ318_DEMO_PLUGIN, "demo-plugin");
        return plugin;
    }

    // The test plug-in's script for these suites: two automatable parameters, unrecorded calls
    // (recording locks), the time asked in every block.
    static testplugin::Script QuietScript() {
        testplugin::Script script = testplugin::DefaultScript();
        script.recording = 0;
        script.asksTimeInProcess = 1;
        script.numParams = 2;
        testplugin::NameLikeGenerated(script, 2);
        return script;
    }

    // The plug-in instance that the module opened; its calls must be recorded.
    static AEffect* WrappedEffect() {
        for (const testplugin::Call& call : Control().Calls()) {
            if (call.kind == testplugin::CallKind::kDispatcher && call.opcode == effOpen) {
                return const_cast<AEffect*>(call.effect);
            }
        }
        return nullptr;
    }

    // The session opened and an instance made over the test plug-in with its calls recorded;
    // `effect` is the plug-in instance.
    std::unique_ptr<aaxhost::EffectInstance> NewRecordedInstance(AEffect*& effect) {
        testplugin::Script script = QuietScript();
        script.recording = 1;
        Control().SetScript(script);
        OpenSession();
        auto instance = NewInstance();
        effect = WrappedEffect();
        EXPECT_NE(effect, nullptr);
        return instance;
    }

    void OpenSession() {
        std::string error;
        session = aaxhost::ModuleSession::Open(VQ318_PRODUCT_MODULE, error);
        ASSERT_NE(session, nullptr) << error;
    }

    // The library loaded for a host that takes the entry steps itself; none is taken yet.
    void LoadSession() {
        std::string error;
        session = aaxhost::ModuleSession::Load(VQ318_PRODUCT_MODULE, error);
        ASSERT_NE(session, nullptr) << error;
    }

    std::unique_ptr<aaxhost::EffectInstance> NewInstance(
        aaxhost::SetRequestAnswer answer = aaxhost::SetRequestAnswer::kQueued) {
        auto instance = std::make_unique<aaxhost::EffectInstance>(
            *session, aaxhost::InstanceOptions{2, 44100.0f, answer});
        EXPECT_TRUE(instance->Ready()) << instance->Failure();
        return instance;
    }

    // The parameters the host may automate: every one but the bypass.
    static std::vector<std::string> Automatable(const aaxhost::EffectInstance& instance) {
        std::vector<std::string> identifiers = instance.ParameterIdentifiers();
        if (!identifiers.empty()) identifiers.erase(identifiers.begin());
        return identifiers;
    }

    // A note on and off and the sustain pedal; with edits, the modulation wheel too, which the
    // demo plug-in reports to the host as an edit from inside the block.
    static std::vector<MidiPacket> MidiTraffic(bool withEdits) {
        std::vector<MidiPacket> packets{MidiPacket{0, 3, {0x90, 60, 100, 0}, false},
                                        MidiPacket{12, 3, {0x80, 60, 0, 0}, false},
                                        MidiPacket{40, 3, {0xB0, 64, 127, 0}, false}};
        if (withEdits) packets.push_back(MidiPacket{20, 3, {0xB0, 1, 64, 0}, false});
        return packets;
    }

    // A short life of an open instance: blocks with MIDI and a transport that plays and stops,
    // the host automating between them, state saved and restored, the editor attached, idled and
    // detached. Results are not checked: hostile plug-ins may refuse any of it.
    static void LiveThrough(aaxhost::EffectInstance& instance, int32_t blocks) {
        const std::vector<std::string> automated = Automatable(instance);
        const std::vector<MidiPacket> midi = MidiTraffic(true);
        StereoBuffers buffers(64);
        for (int32_t block = 0; block < blocks; ++block) {
            if (!automated.empty()) {
                instance.Effect().SetParameterNormalizedValue(
                    automated[static_cast<size_t>(block) % automated.size()].c_str(),
                    (block % 4) / 3.0);
            }
            instance.Service();
            instance.MidiInput().SetPackets(midi.data(), block % 3 == 0 ? midi.size() : 0);
            instance.Transport().state.playing = block % 8 < 6;
            instance.Render(buffers.inputs, buffers.outputs, buffers.frames);
        }
        aaxhost::SavedState state;
        if (instance.SaveState(state) == AAX_SUCCESS) instance.LoadState(state);
        int window = 0;
        instance.OpenEditor(kViewTypeWindowHandle, &window);
        instance.IdleEditor();
        instance.CloseEditor();
        instance.Service();
    }

    std::unique_ptr<aaxhost::ModuleSession> session;
};

// The suites that run over both plug-ins.
class BothPluginsTest : public SessionTest, public testing::WithParamInterface<HostedPlugin> {
  protected:
    HostedPlugin Hosted() const override { return GetParam(); }
};
