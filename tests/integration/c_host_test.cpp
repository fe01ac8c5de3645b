// The module that ships, in the form it ships (on Windows the bundle's DLL), driven by the host
// written in C: registration through the entry points, an instance made by the creation procedure
// from the description, and one block through the description's process procedure.
#include "c_host.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/platform.h"
#include "tests/support/plugin_test_fixture.h"

namespace {

class CHost : public PluginTest {};

template <class Function>
Function Entry(void* library, const char* name) {
    return reinterpret_cast<Function>(platform::FindLibrarySymbol(library, name));
}

TEST_F(CHost, RegistersCreatesAndRendersThroughTheDescription) {
    void* library = platform::LoadLibraryFile(VQ318_PRODUCT_MODULE);
    ASSERT_NE(library, nullptr);
    ck_module module{Entry<ck_entry_unknown>(library, "ACFStartup"),
                     Entry<ck_entry_unknown>(library, "ACFShutdown"),
                     Entry<ck_entry_register>(library, "ACFRegisterPlugin"),
                     Entry<ck_entry_unknown>(library, "ACFCanUnloadNow")};
    ASSERT_TRUE(module.startup && module.shutdown && module.registerPlugin && module.canUnloadNow);

    ck_host host;
    ck_host_init(&host);
    ASSERT_EQ(ck_host_register(&host, &module), 0);
    EXPECT_EQ(host.effects, 1);
    EXPECT_EQ(host.components, 2);
    EXPECT_NE(host.createProcs[0], nullptr);
    EXPECT_NE(host.createProcs[1], nullptr);

    std::vector<float> left(32), right(32), outLeft(32, -1.0f), outRight(32, -1.0f);
    for (size_t i = 0; i < left.size(); ++i) {
        left[i] = 0.01f * static_cast<float>(i);
        right[i] = -left[i];
    }
    float* const input[2] = {left.data(), right.data()};
    float* const output[2] = {outLeft.data(), outRight.data()};
    EXPECT_EQ(ck_host_render_stereo_block(&host, input, output, 32), 0);
    EXPECT_EQ(outLeft, left) << "the test plug-in copies its input";
    EXPECT_EQ(outRight, right);

    EXPECT_EQ(module.canUnloadNow(&host.factory), 0);
    EXPECT_EQ(module.shutdown(&host.factory), 0);
    EXPECT_EQ(ck_host_references(&host), 0) << "every host reference given back";
}

}  // namespace
