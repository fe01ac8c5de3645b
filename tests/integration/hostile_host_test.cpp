// Hosts that misbehave, against the module that ships: interfaces refused or answered with
// success and no object (the instance's and the editor's), no controller, initialisation
// repeated, views attached twice or null, blocks longer than any announced, and an instance
// rendered while another goes away. The module neither crashes nor leaks, and gives back every
// object and reference.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "tests/integration/session_fixture.h"
#include "tools/aaxhost/objects/recorded_description.h"

namespace {

using aaxhost::Answer;

// The host objects of one instance, set up as the session's instance sets them up, so that a test
// can change their answers before the effect sees them.
struct BareHost {
    explicit BareHost(const aaxhost::ModuleSession& module) {
        const aaxhost::Component* component = module.ComponentFor(2);
        const auto& properties = component->processProcedures.front().properties;
        const StemFormat format =
            properties ? aaxhost::FindProperty(*properties, kPropertyInputStemFormat).value_or(0)
                       : 0;
        controller.SetSampleRate(48000.0f);
        controller.SetStemFormats(format, format);
        controller.Lend(IID_HostAutomationDelegate, automation.Unknown());
        controller.Lend(IID_HostTransport, transport.Unknown());
        controller.Lend(IID_HostTransportV2, transport.Unknown());
    }
    int64_t References() const {
        return controller.OutstandingReferences() + automation.OutstandingReferences() +
               transport.OutstandingReferences();
    }
    aaxhost::StandInController controller;
    aaxhost::StandInAutomationDelegate automation;
    aaxhost::StandInTransport transport;
};

class HostileHost : public SessionTest {
  protected:
    AAX_IACFEffectParameters_V2* CreateEffect() {
        const CreationProc create = session->CreationProcedure(kProcIDEffectParameters);
        IACFUnknown* object = create != nullptr ? create() : nullptr;
        if (object == nullptr) return nullptr;
        void* answer = nullptr;
        if (object->QueryInterface(IID_AAX_IACFEffectParameters_V2, &answer) != AAX_SUCCESS) {
            return nullptr;
        }
        return static_cast<AAX_IACFEffectParameters_V2*>(answer);
    }

    // What a host does with an initialised effect, whatever Initialize answered.
    static void Use(AAX_IACFEffectParameters_V2& effect, BareHost& host) {
        int32_t count = 0;
        effect.GetNumberOfParameters(&count);
        effect.SetParameterNormalizedValue("param0", 0.3);
        effect.UpdateParameterNormalizedValue("param0", 0.3, 0);
        host.automation.Pump();
        effect.GenerateCoefficients();
        uint32_t size = 0;
        TypeCode chunkID = 0;
        effect.GetChunkIDFromIndex(0, &chunkID);
        effect.GetChunkSize(chunkID, &size);
    }
};

// The controller's answer to the identifiers of one host interface.
struct Refusal {
    const char* name;
    std::vector<InterfaceId> identifiers;
    Answer answer;
    // What the first coefficient generation answers: the post of the bypass packet.
    Result posted;
};

const Refusal kRefusals[] = {
    {"AutomationRefused", {IID_HostAutomationDelegate}, Answer::kRefuse, AAX_SUCCESS},
    {"AutomationWithoutObject",
     {IID_HostAutomationDelegate},
     Answer::kNullWithSuccess,
     AAX_SUCCESS},
    {"TransportRefused", {IID_HostTransport, IID_HostTransportV2}, Answer::kRefuse, AAX_SUCCESS},
    {"TransportWithoutObject",
     {IID_HostTransport, IID_HostTransportV2},
     Answer::kNullWithSuccess,
     AAX_SUCCESS},
    {"TransportVersion2Missing", {IID_HostTransportV2}, Answer::kRefuse, AAX_SUCCESS},
    {"ControllerVersion2Missing", {IID_HostControllerV2}, Answer::kRefuse, AAX_SUCCESS},
    {"ControllerVersion2WithoutObject",
     {IID_HostControllerV2},
     Answer::kNullWithSuccess,
     AAX_SUCCESS},
    {"ControllerWithoutObject",
     {IID_HostController, IID_HostControllerV2},
     Answer::kNullWithSuccess,
     AAX_ERROR_NULL_OBJECT},
};

class RefusingHost : public HostileHost, public testing::WithParamInterface<Refusal> {};

TEST_P(RefusingHost, EffectLivesAndGivesEverythingBack) {
    Control().SetScript(QuietScript());
    OpenSession();
    {
        BareHost host(*session);
        for (const InterfaceId& iid : GetParam().identifiers) {
            host.controller.SetAnswer(iid, GetParam().answer);
        }
        AAX_IACFEffectParameters_V2* effect = CreateEffect();
        ASSERT_NE(effect, nullptr);
        EXPECT_EQ(effect->Initialize(host.controller.Unknown()), AAX_SUCCESS);
        int32_t count = 0;
        EXPECT_EQ(effect->GetNumberOfParameters(&count), AAX_SUCCESS);
        EXPECT_EQ(count, 3) << "the bypass and the plug-in's two parameters";
        EXPECT_EQ(effect->GenerateCoefficients(), GetParam().posted);
        Use(*effect, host);
        effect->Uninitialize();
        effect->Release();
        EXPECT_EQ(host.References(), 0);
    }
    EXPECT_EQ(session->LiveObjects(), 0);
}

INSTANTIATE_TEST_SUITE_P(Interfaces, RefusingHost, testing::ValuesIn(kRefusals),
                         [](const testing::TestParamInfo<Refusal>& info) {
                             return std::string(info.param.name);
                         });

// Without a controller the effect has no host to ask or tell; it still answers and goes away.
TEST_F(HostileHost, NullController) {
    Control().SetScript(QuietScript());
    OpenSession();
    AAX_IACFEffectParameters_V2* effect = CreateEffect();
    ASSERT_NE(effect, nullptr);
    effect->Initialize(nullptr);
    int32_t count = -1;
    EXPECT_EQ(effect->GetNumberOfParameters(&count), AAX_SUCCESS);
    effect->SetParameterNormalizedValue("param0", 0.3);
    effect->GenerateCoefficients();
    effect->Uninitialize();
    effect->Release();
    EXPECT_EQ(session->LiveObjects(), 0);
}

TEST_F(HostileHost, RepeatedInitialiseAndUninitialise) {
    Control().SetScript(QuietScript());
    OpenSession();
    BareHost host(*session);
    AAX_IACFEffectParameters_V2* effect = CreateEffect();
    ASSERT_NE(effect, nullptr);
    for (int32_t round = 0; round < 5; ++round) {
        effect->Initialize(host.controller.Unknown());
        effect->Initialize(host.controller.Unknown());
        Use(*effect, host);
        effect->Uninitialize();
        effect->Uninitialize();
    }
    effect->Release();
    EXPECT_EQ(host.References(), 0);
}

TEST_F(HostileHost, ViewsAttachedTwiceOrNull) {
    Control().SetScript(QuietScript());
    OpenSession();
    auto instance = NewInstance();
    int window = 0;
    int otherWindow = 0;
    EXPECT_EQ(instance->CloseEditor(), AAX_SUCCESS) << "detached before any attach";
    instance->OpenEditor(kViewTypeWindowHandle, &window);
    instance->OpenEditor(kViewTypeWindowHandle, &otherWindow);
    instance->IdleEditor();
    instance->OpenEditor(kViewTypeWindowHandle, nullptr);
    instance->IdleEditor();
    EXPECT_EQ(instance->CloseEditor(), AAX_SUCCESS);
    instance.reset();
}

// The host objects the editor asks for, reported delivered but handed over as null.
struct EditorFault {
    const char* name;
    void (*apply)(aaxhost::EffectInstance&);
    bool pluginEditorOpens;
};

const EditorFault kEditorFaults[] = {
    {"SoundHost", [](aaxhost::EffectInstance&) {}, true},
    {"ControllerWithoutEffect",
     [](aaxhost::EffectInstance& instance) {
         instance.Controller().SetAnswer(IID_AAX_IACFEffectParameters, Answer::kNullWithSuccess);
     },
     false},
    {"ViewWithoutObject",
     [](aaxhost::EffectInstance& instance) {
         instance.View().SetAnswer(IID_HostViewContainer, Answer::kNullWithSuccess);
     },
     false},
};

class EditorHost : public HostileHost, public testing::WithParamInterface<EditorFault> {};

TEST_P(EditorHost, EditorAnswersAndGivesEverythingBack) {
    AEffect* plugin = nullptr;
    auto instance = NewRecordedInstance(plugin);
    ASSERT_NE(plugin, nullptr);
    GetParam().apply(*instance);
    int window = 0;
    AAX_Point size{};
    EXPECT_EQ(instance->OpenEditor(kViewTypeWindowHandle, &window), AAX_SUCCESS);
    EXPECT_EQ(instance->IdleEditor(), AAX_SUCCESS);
    EXPECT_EQ(instance->EditorSize(size), AAX_SUCCESS);
    EXPECT_EQ(instance->CloseEditor(), AAX_SUCCESS);
    bool opened = false;
    for (const testplugin::Call& call : Control().CallsTo(plugin)) {
        opened = opened ||
                 (call.kind == testplugin::CallKind::kDispatcher && call.opcode == effEditOpen);
    }
    EXPECT_EQ(opened, GetParam().pluginEditorOpens);
    instance->Close();
    EXPECT_EQ(instance->OutstandingReferences(), 0);
}

INSTANTIATE_TEST_SUITE_P(Objects, EditorHost, testing::ValuesIn(kEditorFaults),
                         [](const testing::TestParamInfo<EditorFault>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(HostileHost, BlocksLongerThanAnnounced) {
    Control().SetScript(QuietScript());
    OpenSession();
    auto instance = NewInstance();
    StereoBuffers buffers(aaxhost::EffectInstance::kMaxFrames);
    instance->Transport().state.playing = true;
    for (int32_t block = 0; block < 3; ++block) {
        instance->Render(buffers.inputs, buffers.outputs, buffers.frames);
    }
    EXPECT_EQ(buffers.out[0], buffers.in[0]) << "the test plug-in copies every frame";
}

TEST_F(HostileHost, InstanceRenderedWhileAnotherIsDestroyed) {
    Control().SetScript(QuietScript());
    OpenSession();
    auto rendered = NewInstance();
    std::atomic<bool> rendering{true};
    std::thread renderThread([&] {
        StereoBuffers buffers(64);
        rendered->Transport().state.playing = true;
        while (rendering.load()) rendered->Render(buffers.inputs, buffers.outputs, buffers.frames);
    });
    for (int32_t round = 0; round < 30; ++round) {
        auto other = NewInstance();
        LiveThrough(*other, 2);
    }
    rendering = false;
    renderThread.join();
    rendered.reset();
}

}  // namespace
