// Third-party VST 2.4 plug-ins from Debian, each laid out as the wrapped plug-in through the
// registry and driven through the shipped module's exports by the stand-in host, compared with
// the same library in a direct VST 2.4 host.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bridge/host_callback_entry.h"
#include "parameters/aaxwrapper_parameters.h"
#include "tests/peers/direct_host.h"
#include "tests/support/registry_fixture.h"
#include "tools/aaxhost/objects/host_string.h"
#include "tools/aaxhost/session/effect_instance.h"
#include "tools/aaxhost/session/module_session.h"

namespace fs = std::filesystem;

namespace {

constexpr float kSampleRate = 48000.0f;
constexpr int32_t kFrames = 512;
constexpr int32_t kBlocks = 8;

struct Peer {
    const char* name;
    const char* library;
    int32_t numInputs;
    int32_t numOutputs;
};

const Peer kPeers[] = {
    {"DragonflyHall", "/usr/lib/lxvst/DragonflyHallReverb-vst.so", 2, 2},
    {"DragonflyPlate", "/usr/lib/lxvst/DragonflyPlateReverb-vst.so", 2, 2},
    {"ThreeBandEQ", "/usr/lib/vst/3BandEQ-vst.so", 2, 2},
    {"PingPongPan", "/usr/lib/vst/PingPongPan-vst.so", 2, 2},
    {"AmplitudeImposer", "/usr/lib/vst/AmplitudeImposer-vst.so", 4, 2},
    {"ThreeBandSplitter", "/usr/lib/vst/3BandSplitter-vst.so", 2, 6},
    {"LspCompDelayMono", "/usr/lib/vst/lsp-plugins/comp-delay-mono.so", 1, 1},
    {"LspCompDelayStereo", "/usr/lib/vst/lsp-plugins/comp-delay-stereo.so", 2, 2},
};

// Noise that is the same in every run, different in each channel.
std::vector<std::vector<float>> Noise(int32_t channels, int32_t block) {
    std::vector<std::vector<float>> noise(static_cast<size_t>(channels),
                                          std::vector<float>(kFrames));
    uint32_t state = 0x9E3779B9u + static_cast<uint32_t>(block) * 7919u;
    for (std::vector<float>& channel : noise) {
        for (float& sample : channel) {
            state = state * 1664525u + 1013904223u;
            sample = static_cast<float>(static_cast<int32_t>(state >> 8) - (1 << 23)) /
                     static_cast<float>(1 << 24);
        }
    }
    return noise;
}

// The plug-in index that a mirrored identifier stands for: the index of a derived identifier,
// or the plug-in's own answer.
int32_t PlugInIndex(AEffect* effect, const std::string& identifier) {
    if (identifier.rfind("p:", 0) == 0) return std::stoi(identifier.substr(2));
    std::string text = identifier;
    return static_cast<int32_t>(
        effect->dispatcher(effect, effGetParamIndexFromIdentifier, 0, 0, text.data(), 0.0f));
}

class PeerPlugins : public testing::TestWithParam<Peer> {
  protected:
    void SetUp() override {
        if (!fs::exists(GetParam().library)) GTEST_SKIP() << GetParam().library << " missing";
        testsupport::ClearInstallDirectory();
        directory_ = testsupport::MakeTempDirectory(std::string("peer-") + GetParam().name);
        fs::create_directories(fs::path(directory_) / "VST64");
        fs::create_symlink(GetParam().library, fs::path(directory_) / "VST64" / "VQ318.so");
        testsupport::WriteInstallDirectory(testsupport::RegistryView::k64Bit, directory_);
        std::string error;
        session_ = aaxhost::ModuleSession::Open(VQ318_PRODUCT_MODULE, error);
        ASSERT_NE(session_, nullptr) << error;
    }

    void TearDown() override {
        instance_.reset();
        if (session_ != nullptr) {
            EXPECT_EQ(session_->LiveObjects(), 0);
            session_->Shutdown();
        }
        session_.reset();
        testsupport::ClearInstallDirectory();
        if (!directory_.empty()) fs::remove_all(directory_);
    }

    void Open(int32_t channels) {
        instance_ = std::make_unique<aaxhost::EffectInstance>(
            *session_,
            aaxhost::InstanceOptions{channels, kSampleRate, aaxhost::SetRequestAnswer::kQueued});
        ASSERT_TRUE(instance_->Ready()) << instance_->Failure();
        void* object = nullptr;
        ASSERT_EQ(instance_->Effect().QueryInterface(IID_AAXWrapper_Parameters, &object),
                  AAX_SUCCESS);
        effect_ = static_cast<AAXWrapper_Parameters*>(object)->GetVstInterface()->effect;
        instance_->Effect().Release();
        ASSERT_NE(effect_, nullptr);
    }

    // The plug-in's parameters as the host lists them, without the master bypass.
    std::vector<std::string> PlugInParameters() const {
        std::vector<std::string> identifiers = instance_->ParameterIdentifiers();
        if (!identifiers.empty()) identifiers.erase(identifiers.begin());
        return identifiers;
    }

    void RenderSilence() {
        std::vector<std::vector<float>> buffers(2, std::vector<float>(kFrames));
        const float* inputs[2] = {buffers[0].data(), buffers[1].data()};
        float* outputs[2] = {buffers[0].data(), buffers[1].data()};
        instance_->Render(inputs, outputs, kFrames);
    }

    // A value for the parameter that differs from its current one: an end of its range, which
    // switches and stepped parameters hold as they are given.
    float OtherValue(const std::string& identifier) const {
        const float now = effect_->getParameter(effect_, PlugInIndex(effect_, identifier));
        return now < 0.5f ? 1.0f : 0.0f;
    }

    std::string directory_;
    std::unique_ptr<aaxhost::ModuleSession> session_;
    std::unique_ptr<aaxhost::EffectInstance> instance_;
    AEffect* effect_ = nullptr;
};

}  // namespace

TEST_P(PeerPlugins, EveryAutomatableParameterIsListedOnceWithItsName) {
    Open(2);
    EXPECT_EQ(effect_->numInputs, GetParam().numInputs);
    EXPECT_EQ(effect_->numOutputs, GetParam().numOutputs);
    const std::vector<std::string> identifiers = PlugInParameters();
    ASSERT_FALSE(identifiers.empty()) << "parameters refused before effOpen are read after it";
    std::vector<int32_t> indexes;
    for (const std::string& identifier : identifiers) {
        SCOPED_TRACE(identifier);
        aaxhost::HostString name;
        ASSERT_EQ(instance_->Effect().GetParameterName(identifier.c_str(), &name), AAX_SUCCESS);
        EXPECT_FALSE(name.Text().empty());
        const int32_t index = PlugInIndex(effect_, identifier);
        EXPECT_GE(index, 0);
        EXPECT_LT(index, effect_->numParams);
        indexes.push_back(index);
    }
    std::sort(indexes.begin(), indexes.end());
    EXPECT_EQ(std::adjacent_find(indexes.begin(), indexes.end()), indexes.end())
        << "each parameter has its own identifier";
}

TEST_P(PeerPlugins, AutomationInBothDirectionsLandsOnTheRightParameter) {
    Open(2);
    const std::vector<std::string> identifiers = PlugInParameters();
    ASSERT_GE(identifiers.size(), 2u);
    for (const std::string& identifier : {identifiers.front(), identifiers.back()}) {
        SCOPED_TRACE(identifier);
        const int32_t index = PlugInIndex(effect_, identifier);
        const float hostValue = OtherValue(identifier);
        ASSERT_EQ(instance_->Effect().SetParameterNormalizedValue(identifier.c_str(), hostValue),
                  AAX_SUCCESS);
        ASSERT_EQ(instance_->Service(), AAX_SUCCESS);
        EXPECT_FLOAT_EQ(effect_->getParameter(effect_, index), hostValue) << "host to plug-in";

        // The plug-in reports its own edit through the callback it was given.
        const float plugInValue = OtherValue(identifier);
        effect_->setParameter(effect_, index, plugInValue);
        HostCallbackEntry(effect_, audioMasterAutomate, index, 0, nullptr, plugInValue);
        ASSERT_EQ(instance_->Service(), AAX_SUCCESS);
        double seen = -1.0;
        ASSERT_EQ(instance_->Effect().GetParameterNormalizedValue(identifier.c_str(), &seen),
                  AAX_SUCCESS);
        EXPECT_FLOAT_EQ(static_cast<float>(seen), plugInValue) << "plug-in to host";
        EXPECT_FLOAT_EQ(effect_->getParameter(effect_, index), plugInValue);
    }
}

// Both hosts set the same parameter and render the same noise, one after the other; the module's
// host outputs must be the plug-in's outputs sample for sample (a one-output plug-in's in both).
TEST_P(PeerPlugins, RendersAsADirectHostDoes) {
    for (const int32_t channels : {2, 1}) {
        SCOPED_TRACE(testing::Message() << channels << " channel instance");
        Open(channels);
        const std::string identifier = PlugInParameters().front();
        const int32_t index = PlugInIndex(effect_, identifier);
        const float value = OtherValue(identifier);
        ASSERT_EQ(instance_->Effect().SetParameterNormalizedValue(identifier.c_str(), value),
                  AAX_SUCCESS);
        ASSERT_EQ(instance_->Service(), AAX_SUCCESS);
        std::vector<std::vector<std::vector<float>>> rendered;
        for (int32_t block = 0; block < kBlocks; ++block) {
            const std::vector<std::vector<float>> input = Noise(channels, block);
            std::vector<std::vector<float>> output(static_cast<size_t>(channels),
                                                   std::vector<float>(kFrames, -9.0f));
            std::vector<const float*> inputs;
            std::vector<float*> outputs;
            for (int32_t c = 0; c < channels; ++c) {
                inputs.push_back(input[c].data());
                outputs.push_back(output[c].data());
            }
            instance_->Render(inputs.data(), outputs.data(), kFrames);
            rendered.push_back(std::move(output));
        }
        instance_.reset();

        DirectHost direct(GetParam().library, kSampleRate);
        ASSERT_NE(direct.effect(), nullptr);
        direct.effect()->setParameter(direct.effect(), index, value);
        for (int32_t block = 0; block < kBlocks; ++block) {
            const std::vector<std::vector<float>> expected =
                direct.Render(Noise(channels, block), kFrames);
            for (int32_t c = 0; c < channels; ++c) {
                const size_t source = expected.size() == 1 ? 0 : static_cast<size_t>(c);
                ASSERT_EQ(rendered[block][c], expected[source])
                    << "block " << block << " channel " << c;
            }
        }
    }
}

TEST_P(PeerPlugins, RestoredStateGivesThePlugInsValuesBack) {
    Open(2);
    const std::vector<std::string> identifiers = PlugInParameters();
    ASSERT_FALSE(identifiers.empty());
    const std::string identifier = identifiers.front();
    const int32_t index = PlugInIndex(effect_, identifier);
    ASSERT_EQ(
        instance_->Effect().SetParameterNormalizedValue(identifier.c_str(), OtherValue(identifier)),
        AAX_SUCCESS);
    ASSERT_EQ(instance_->Service(), AAX_SUCCESS);
    std::vector<float> saved;
    for (int32_t i = 0; i < effect_->numParams; ++i) {
        saved.push_back(effect_->getParameter(effect_, i));
    }
    aaxhost::SavedState state;
    ASSERT_EQ(instance_->SaveState(state), AAX_SUCCESS);

    ASSERT_EQ(
        instance_->Effect().SetParameterNormalizedValue(identifier.c_str(), OtherValue(identifier)),
        AAX_SUCCESS);
    ASSERT_EQ(instance_->Service(), AAX_SUCCESS);
    ASSERT_NE(effect_->getParameter(effect_, index), saved[static_cast<size_t>(index)]);

    ASSERT_EQ(instance_->LoadState(state), AAX_SUCCESS);
    ASSERT_EQ(instance_->Service(), AAX_SUCCESS);
    RenderSilence();  // some plug-ins take a restored state over in their next block
    for (int32_t i = 0; i < effect_->numParams; ++i) {
        EXPECT_FLOAT_EQ(effect_->getParameter(effect_, i), saved[static_cast<size_t>(i)])
            << "parameter " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Debian, PeerPlugins, testing::ValuesIn(kPeers),
                         [](const testing::TestParamInfo<Peer>& info) { return info.param.name; });
