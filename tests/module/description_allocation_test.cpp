// What the description and the entry points do when memory runs out: every child-making operation
// answers null without reaching the host, and what depends on the child stops there.
#include <gtest/gtest.h>

#include "module/aax_vcollection.h"
#include "module/aax_vcomponent_descriptor.h"
#include "module/aax_veffect_descriptor.h"
#include "module/effect_description.h"
#include "module/module_entry.h"
#include "tests/module/description_fixture.h"
#include "tests/process/allocation_counter.h"
#include "tools/aaxhost/objects/host_services.h"

namespace {

class OutOfMemory : public DescriptionWrapperTest {
  protected:
    // Runs `body` with every allocation failing.
    template <class Body>
    void WithoutMemory(Body body) {
        allocation::SetFailing(true);
        body();
        allocation::SetFailing(false);
    }
};

TEST_F(OutOfMemory, ChildMakingOperationsAnswerNullWithoutReachingTheHost) {
    AAX_VCollection collection(Host());
    AAX_VEffectDescriptor effect(Host());
    AAX_VComponentDescriptor component(Host());
    AAX_IPropertyMap* source = component.NewPropertyMap();
    ASSERT_NE(source, nullptr);
    source->AddProperty(11, 1);
    const size_t calls = recorder.Calls().size();
    const size_t created = factory.Log().Calls().size();

    const void* made[6] = {&made, &made, &made, &made, &made, &made};
    WithoutMemory([&] {
        made[0] = collection.NewDescriptor();
        made[1] = collection.NewPropertyMap();
        made[2] = effect.NewComponentDescriptor();
        made[3] = effect.NewPropertyMap();
        made[4] = component.NewPropertyMap();
        made[5] = component.DuplicatePropertyMap(source);
    });
    for (const void* child : made) EXPECT_EQ(child, nullptr);
    EXPECT_EQ(recorder.Calls().size(), calls);
    EXPECT_EQ(factory.Log().Calls().size(), created);
}

TEST_F(OutOfMemory, WithoutComponentDescriptorTheEffectIsNotDescribed) {
    AAX_VEffectDescriptor effect(Host());
    Result result = AAX_SUCCESS;
    WithoutMemory([&] { result = DescribeEffect(effect); });
    EXPECT_EQ(result, AAX_ERROR_NULL_OBJECT);
    EXPECT_TRUE(recorder.Calls().empty());
}

TEST_F(OutOfMemory, StartupWithoutMemoryKeepsNoServicesAndSucceeds) {
    aaxhost::StandInHostServices services;
    factory.Provide(CLSID_HostGeneralServices, services);
    Result result = ACF_E_UNEXPECTED;
    WithoutMemory([&] { result = ACFStartup(Host()); });
    EXPECT_EQ(result, AAX_SUCCESS);
    EXPECT_TRUE(factory.Log().Calls().empty());
    // Nothing was kept: the next start-up makes the services.
    EXPECT_EQ(ACFStartup(Host()), AAX_SUCCESS);
    EXPECT_EQ(services.OutstandingReferences(), 1);
    EXPECT_EQ(ACFShutdown(Host()), AAX_SUCCESS);
    EXPECT_EQ(services.OutstandingReferences(), 0);
}

}  // namespace
