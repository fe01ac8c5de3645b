// A test against the test build of the module library, loaded by path once per program and used
// through its exports alone. Each test gets a fresh stand-in host whose component factory makes
// recording description objects and provides the general services; when the test ends, every
// reference that the module took on them must have come back.
#pragma once

#include <gtest/gtest.h>

#include "abi/module_entry.h"
#include "tools/aaxhost/objects/component_factory.h"
#include "tools/aaxhost/objects/description_recorder.h"
#include "tools/aaxhost/objects/host_services.h"
#include "tools/aaxhost/objects/module_library.h"
#include "tools/aaxhost/objects/recorded_description.h"

class ModuleTest : public testing::Test {
  protected:
    // The module's entry points; the test fails when the library does not load.
    static const aaxhost::ModuleEntryPoints& Module() {
        static const aaxhost::LoadedModule module = aaxhost::LoadModule(VQ318_TEST_MODULE);
        EXPECT_TRUE(module.usable) << module.failure;
        return module.entryPoints;
    }

    void SetUp() override {
        if (!Module().registerPlugin) GTEST_SKIP() << "no module";
        factory.Provide(CLSID_HostGeneralServices, services);
    }

    void TearDown() override {
        EXPECT_EQ(recorder.OutstandingReferences(), 0);
        EXPECT_EQ(factory.OutstandingReferences(), 0);
        EXPECT_EQ(services.OutstandingReferences(), 0);
    }

    IACFUnknown* Host() const { return factory.Unknown(); }

    // Registers through the module with this test's host; the caller gives back the definition's
    // reference, if one came.
    Result Register(HostPluginDefinition** definition) {
        return Module().registerPlugin(Host(), definition);
    }

    // The package that the host kept from the first registration.
    const aaxhost::Package& Registered() const { return recorder.Collection(0).Declared(); }

    aaxhost::StandInComponentFactory factory;
    aaxhost::DescriptionRecorder recorder{factory};
    aaxhost::StandInHostServices services;
};
