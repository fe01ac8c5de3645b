// The demo plug-in as the wrapper meets it: found through the registry, loaded by the bridge,
// driven by the render callback with the host's transport and MIDI, its edits reported to the
// host callback.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "bridge/vst_automation_target.h"
#include "tests/process/render_harness.h"
#include "tests/support/bridge_instance.h"
#include "tests/support/registry_fixture.h"
#include "tests/tools/demo_plugin/demo_host.h"

namespace {

enum : int32_t { kDepth, kRate, kSync, kDivision };

constexpr int32_t kBlock = 256;
constexpr size_t kTroughAt120 = 11025;

class DemoPluginThroughBridge : public ::testing::Test {
  protected:
    void SetUp() override {
        testsupport::ClearInstallDirectory();
        DemoInstance::Installed().Register(testsupport::RegistryView::k64Bit);
        instance = std::make_unique<BridgeInstance>();
        ASSERT_NE(Effect(), nullptr);
        // The bring-up of the effect's initialisation.
        Dispatch(effSetSampleRate, 0, nullptr, 44100.0f);
        char bypass[] = "MasterBypassID";
        Dispatch(effSetBypassParamIdentifier, 0, bypass);
        Dispatch(effOpen);
        Dispatch(effMainsChanged, 1);
        // Full depth, one cycle per quarter note, following the host's tempo.
        Effect()->setParameter(Effect(), kDepth, 1.0f);
        Effect()->setParameter(Effect(), kSync, 1.0f);
        Effect()->setParameter(Effect(), kDivision, 0.5f);

        host = std::make_unique<RenderHarness>(2, 2, kBlock);
        for (std::vector<float>& channel : host->input)
            std::fill(channel.begin(), channel.end(), 0.5f);
        host->Post(&instance->bridge, 1);
    }
    void TearDown() override {
        instance.reset();
        testsupport::ClearInstallDirectory();
    }

    AEffect* Effect() const { return instance->bridge.effect; }
    intptr_t Dispatch(int32_t opcode, intptr_t value = 0, void* ptr = nullptr,
                      float opt = 0.0f) const {
        return Effect()->dispatcher(Effect(), opcode, 0, value, ptr, opt);
    }
    // The left output of `blocks` blocks.
    Channel Render(int32_t blocks) const {
        Channel out;
        for (int32_t i = 0; i < blocks; ++i) {
            host->Render();
            out.insert(out.end(), host->output[0].begin(), host->output[0].begin() + kBlock);
        }
        return out;
    }

    std::unique_ptr<BridgeInstance> instance;
    std::unique_ptr<RenderHarness> host;
};

class DemoPluginTempo : public DemoPluginThroughBridge,
                        public ::testing::WithParamInterface<double> {};

TEST_P(DemoPluginTempo, TempoOfTheHostTransportSetsTheSyncedTremolo) {
    host->transport.tempo = GetParam();
    const std::vector<size_t> troughs = Troughs(Render(120), 0.5f);
    ASSERT_FALSE(troughs.empty());
    EXPECT_NEAR(static_cast<double>(troughs[0]), kTroughAt120 * 120.0 / GetParam(), 2.0);
}

INSTANTIATE_TEST_SUITE_P(Tempi, DemoPluginTempo, ::testing::Values(60.0, 120.0, 180.0));

TEST_F(DemoPluginThroughBridge, NoteOnFromTheHostMidiNodeRestartsTheTremolo) {
    Render(43);  // frame 11025, the lowest level, lies 17 frames into the next block
    host->SetMidiPackets({Packet(17, 0x90, 60, 100)});
    const Channel out = Render(1);
    EXPECT_LT(out[16], 0.01f);
    EXPECT_GT(out[37], 0.45f);
}

// Where the host callback hands the plug-in's edits: each as the report and the identifier.
class RecordingTarget : public VstAutomationTarget {
  public:
    void PlugInAutomated(const char* identifier, double value) override {
        seen.push_back("automate " + std::string(identifier) + " " + std::to_string(value));
    }
    void PlugInBeganEdit(const char* identifier) override {
        seen.push_back("begin " + std::string(identifier));
    }
    void PlugInEndedEdit(const char* identifier) override {
        seen.push_back("end " + std::string(identifier));
    }
    std::vector<std::string> seen;
};

// The edit reported from inside the block waits for the host's next call on the instance, which
// hands it on named by the plug-in's identifier.
TEST_F(DemoPluginThroughBridge, ModulationWheelEditReachesTheHostCallbackAfterTheBlock) {
    RecordingTarget target;
    instance->callBack.automationTarget = &target;
    host->SetMidiPackets({Packet(0, 0xB0, 1, 32)});
    Render(1);
    EXPECT_EQ(Effect()->getParameter(Effect(), kDepth), 32.0f / 127.0f);
    EXPECT_TRUE(target.seen.empty()) << "nothing handed on during the block";
    instance->callBack.DeliverQueuedReports(Effect());
    EXPECT_EQ(target.seen,
              (std::vector<std::string>{"begin tremolo_depth",
                                        "automate tremolo_depth " + std::to_string(32.0f / 127.0f),
                                        "end tremolo_depth"}));
    instance->callBack.automationTarget = nullptr;
}

}  // namespace
