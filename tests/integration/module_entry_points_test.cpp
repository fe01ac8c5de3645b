// The entry points other than registration, through the module's exports: fixed answers, the
// live-object count, and the host services kept from start-up to shutdown.
#include <gtest/gtest.h>

#include <vector>

#include "abi/host_services.h"
#include "tests/integration/module_fixture.h"
#include "tests/support/test_creation_procedures.h"

namespace {

using aaxhost::Arg;

class EntryPoints : public ModuleTest {};

TEST_F(EntryPoints, SDKVersionIsFixed) {
    uint64_t version = 0;
    EXPECT_EQ(Module().getSDKVersion(&version), AAX_SUCCESS);
    EXPECT_EQ(version, 0x000002000061125Cull);
    EXPECT_EQ(Module().getSDKVersion(nullptr), ACF_E_POINTER);
}

TEST_F(EntryPoints, RegisterComponentSucceedsWithoutAComponent) {
    HostComponentDefinition* definition = reinterpret_cast<HostComponentDefinition*>(&definition);
    EXPECT_EQ(Module().registerComponent(Host(), IID_IACFUnknown, &definition), AAX_SUCCESS);
    EXPECT_EQ(definition, nullptr);
    EXPECT_EQ(Module().registerComponent(Host(), IID_IACFUnknown, nullptr), AAX_SUCCESS);
}

TEST_F(EntryPoints, GetClassFactoryIsUnimplemented) {
    void* classFactory = &classFactory;
    EXPECT_EQ(Module().getClassFactory(Host(), IID_IACFUnknown, IID_IACFUnknown, &classFactory),
              AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(classFactory, nullptr);
    EXPECT_EQ(Module().getClassFactory(Host(), IID_IACFUnknown, IID_IACFUnknown, nullptr),
              AAX_ERROR_UNIMPLEMENTED);
}

TEST_F(EntryPoints, CanUnloadNowCountsTheObjectsMadeThroughTheDescription) {
    EXPECT_EQ(Module().canUnloadNow(Host()), 0);
    HostPluginDefinition* definition = nullptr;
    ASSERT_EQ(Register(&definition), AAX_SUCCESS);
    reinterpret_cast<IACFUnknown*>(definition)->Release();
    const aaxhost::Effect& effect = Registered().effects.at(0);

    // The host's references, taken through the objects' interfaces.
    std::vector<IACFUnknown*> held;
    for (const uint32_t procID : {0u, 1u}) {
        IACFUnknown* object = effect.FindCreationProcedure(procID)();
        ASSERT_NE(object, nullptr);
        object->AddRef();
        held.push_back(object);
    }
    EXPECT_EQ(Module().canUnloadNow(Host()), 2);
    held[0]->Release();
    EXPECT_EQ(Module().canUnloadNow(Host()), 1);
    held[1]->Release();
    EXPECT_EQ(Module().canUnloadNow(Host()), 0);
}

TEST_F(EntryPoints, StartupKeepsTheHostServicesUntilShutdown) {
    EXPECT_EQ(Module().startup(Host()), AAX_SUCCESS);
    EXPECT_EQ(services.OutstandingReferences(), 1);
    EXPECT_EQ(factory.OutstandingReferences(), 0);
    const std::vector<aaxhost::Call> created = factory.Log().Calls();
    ASSERT_EQ(created.size(), 1u);
    EXPECT_EQ(created[0].arguments[0], Arg(CLSID_HostGeneralServices));
    EXPECT_EQ(created[0].arguments[2], Arg(IID_HostGeneralServices));

    // A second start-up keeps the first object.
    EXPECT_EQ(Module().startup(Host()), AAX_SUCCESS);
    EXPECT_EQ(factory.Log().Calls().size(), 1u);
    EXPECT_EQ(services.OutstandingReferences(), 1);

    EXPECT_EQ(Module().shutdown(Host()), AAX_SUCCESS);
    EXPECT_EQ(services.OutstandingReferences(), 0);
    // Nothing left to shut down.
    EXPECT_EQ(Module().shutdown(Host()), AAX_SUCCESS);
}

TEST_F(EntryPoints, StartupWithoutHostEndsTheServicesOnlyWhenThereAreAny) {
    EXPECT_EQ(Module().startup(nullptr), AAX_SUCCESS);
    EXPECT_TRUE(factory.Log().Calls().empty());
    EXPECT_EQ(Module().startup(Host()), AAX_SUCCESS);
    EXPECT_EQ(services.OutstandingReferences(), 1);
    EXPECT_EQ(Module().startup(nullptr), AAX_SUCCESS);
    EXPECT_EQ(services.OutstandingReferences(), 0);
    EXPECT_EQ(Module().shutdown(nullptr), AAX_SUCCESS);
    EXPECT_EQ(factory.Log().Calls().size(), 1u);
}

TEST_F(EntryPoints, AnExceptionInsideStartupBecomesUnexpected) {
    factory.SetAnswer(IID_HostComponentFactory, aaxhost::Answer::kNullWithSuccess);
    EXPECT_EQ(Module().startup(Host()), ACF_E_UNEXPECTED);
    EXPECT_EQ(services.OutstandingReferences(), 0);
    // No object was kept: a later start-up with a sound host makes one.
    factory.SetAnswer(IID_HostComponentFactory, aaxhost::Answer::kInterface);
    EXPECT_EQ(Module().startup(Host()), AAX_SUCCESS);
    EXPECT_EQ(services.OutstandingReferences(), 1);
    EXPECT_EQ(Module().shutdown(Host()), AAX_SUCCESS);
}

}  // namespace
