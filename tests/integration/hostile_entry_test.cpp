// Hosts that misbehave at the module's entry points, against the module that ships: a host
// unknown that reports its component factory delivered but hands over none, a factory that
// reports a component made but hands over none, and a host that never starts the module up. The
// module answers with clear results, keeps nothing, and stays usable and unloadable.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "abi/component_factory.h"
#include "abi/host_collection.h"
#include "abi/host_component_descriptor.h"
#include "abi/host_effect_descriptor.h"
#include "abi/host_property_map.h"
#include "abi/host_services.h"
#include "tests/integration/session_fixture.h"

namespace {

using aaxhost::Answer;
using aaxhost::DescriptionObject;

using HostileEntry = SessionTest;

TEST_F(HostileEntry, FactoryWithoutObjectFailsStartupAndRegistrationAndLeavesNoTrace) {
    Control().SetScript(QuietScript());
    LoadSession();
    session->Factory().SetAnswer(IID_HostComponentFactory, Answer::kNullWithSuccess);
    EXPECT_EQ(session->Startup(), ACF_E_UNEXPECTED);
    EXPECT_EQ(session->Register(), ACF_E_UNEXPECTED);
    EXPECT_EQ(session->Recorder().Count(DescriptionObject::kCollection), 0u);
    EXPECT_TRUE(session->Factory().Log().Calls().empty()) << "nothing created";
    EXPECT_EQ(session->LiveObjects(), 0);
    EXPECT_EQ(session->OutstandingReferences(), 0);

    // The same host, answering soundly now, starts the module, registers and hosts an instance.
    session->Factory().SetAnswer(IID_HostComponentFactory, Answer::kInterface);
    ASSERT_EQ(session->Startup(), AAX_SUCCESS);
    EXPECT_EQ(session->Services().OutstandingReferences(), 1);
    ASSERT_EQ(session->Register(), AAX_SUCCESS);
    ASSERT_TRUE(session->DeclaresOneEffect());
    auto instance = NewInstance();
    LiveThrough(*instance, 4);
}

// One host object that the host reports made or delivered but hands over as null.
struct NullObject {
    const char* name;
    // The description objects of that kind; none for the host services.
    std::optional<DescriptionObject> kind;
    InterfaceId iid;
    Result registered;  // what ACFRegisterPlugin then answers
};

const NullObject kNullObjects[] = {
    {"HostServices", std::nullopt, IID_HostGeneralServices, AAX_SUCCESS},
    {"Collection", DescriptionObject::kCollection, IID_HostCollection, AAX_ERROR_NULL_OBJECT},
    // The host collection reports the plug-in definition delivered but hands over none.
    {"PluginDefinition", DescriptionObject::kCollection, IID_HostPluginDefinition,
     AAX_ERROR_NULL_OBJECT},
    {"EffectDescriptor", DescriptionObject::kEffectDescriptor, IID_HostEffectDescriptor,
     AAX_ERROR_NULL_OBJECT},
    // The host's own description objects answer for what they kept; the module's answer is the
    // host collection's, which took the effect.
    {"ComponentDescriptor", DescriptionObject::kComponentDescriptor, IID_HostComponentDescriptor,
     AAX_SUCCESS},
    {"PropertyMap", DescriptionObject::kPropertyMap, IID_HostPropertyMap, AAX_SUCCESS},
};

class ComponentWithoutObject : public SessionTest,
                               public testing::WithParamInterface<NullObject> {};

TEST_P(ComponentWithoutObject, ClearResultAndNothingKept) {
    Control().SetScript(QuietScript());
    LoadSession();
    if (GetParam().kind) {
        session->Recorder().SetAnswer(*GetParam().kind, GetParam().iid, Answer::kNullWithSuccess);
    } else {
        session->Services().SetAnswer(GetParam().iid, Answer::kNullWithSuccess);
    }
    EXPECT_EQ(session->Startup(), AAX_SUCCESS);
    EXPECT_EQ(session->Register(), GetParam().registered);
    EXPECT_EQ(session->LiveObjects(), 0);
    session->Shutdown();
    EXPECT_EQ(session->OutstandingReferences(), 0);
}

INSTANTIATE_TEST_SUITE_P(Components, ComponentWithoutObject, testing::ValuesIn(kNullObjects),
                         [](const testing::TestParamInfo<NullObject>& info) {
                             return std::string(info.param.name);
                         });

// Without host services the module only misses what it never uses: a whole instance life
// works, and the module can be unloaded at the end.
class WithoutStartup : public BothPluginsTest {};

TEST_P(WithoutStartup, InstanceLivesAndTheModuleUnloads) {
    Control().SetScript(QuietScript());
    LoadSession();
    ASSERT_EQ(session->Register(), AAX_SUCCESS);
    ASSERT_TRUE(session->DeclaresOneEffect());
    {
        auto instance = NewInstance();
        ASSERT_TRUE(instance->Ready());
        StereoBuffers buffers(64);
        instance->Transport().state.playing = true;
        instance->Render(buffers.inputs, buffers.outputs, buffers.frames);
        if (GetParam() == HostedPlugin::kTest) {
            EXPECT_EQ(buffers.out[1], buffers.in[1]) << "the test plug-in copies every frame";
        }
        aaxhost::SavedState state;
        EXPECT_EQ(instance->SaveState(state), AAX_SUCCESS);
        EXPECT_EQ(instance->LoadState(state), AAX_SUCCESS);
        int window = 0;
        EXPECT_EQ(instance->OpenEditor(kViewTypeWindowHandle, &window), AAX_SUCCESS);
        EXPECT_EQ(instance->IdleEditor(), AAX_SUCCESS);
        EXPECT_EQ(instance->CloseEditor(), AAX_SUCCESS);
        LiveThrough(*instance, 8);
        EXPECT_EQ(instance->Service(), AAX_SUCCESS);
        instance->Close();
        EXPECT_EQ(instance->OutstandingReferences(), 0);
    }
    for (const aaxhost::Call& created : session->Factory().Log().Calls()) {
        EXPECT_NE(created.arguments[0], aaxhost::Arg(CLSID_HostGeneralServices));
    }
    EXPECT_EQ(session->Services().OutstandingReferences(), 0);
    EXPECT_EQ(session->LiveObjects(), 0);
    EXPECT_EQ(session->EntryPoints().shutdown(session->Factory().Unknown()), AAX_SUCCESS);
}

INSTANTIATE_TEST_SUITE_P(Plugins, WithoutStartup,
                         testing::Values(HostedPlugin::kTest, HostedPlugin::kDemo),
                         HostedPluginName);

}  // namespace
