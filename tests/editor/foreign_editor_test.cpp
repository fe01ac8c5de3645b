// The wrapper's editor driven from C, by slot index, with a C controller that hands out the
// instance's effect-parameters object and a C view holding a native window.
#include <gtest/gtest.h>

#include <vector>

#include "c_kit.h"
#include "editor/aaxwrapper_effect_gui.h"
#include "module_calls.h"
#include "parameters/aaxwrapper_parameters.h"
#include "tests/support/plugin_test_fixture.h"

namespace {

using testplugin::Call;

std::vector<int32_t> Opcodes(const std::vector<Call>& calls) {
    std::vector<int32_t> opcodes;
    for (const Call& call : calls) opcodes.push_back(call.opcode);
    return opcodes;
}

using ForeignEditor = PluginTest;

TEST_F(ForeignEditor, HostInCAttachesSizesAndDetachesBySlot) {
    auto* parameters = new AAXWrapper_Parameters;
    void* effect = static_cast<AAX_IACFEffectParameters_V2*>(parameters);
    AEffect* plugin = parameters->GetVstInterface()->effect;
    ASSERT_NE(plugin, nullptr);
    ck_add_ref(effect);
    ck_controller controller;
    ck_controller_init(&controller);
    ASSERT_EQ(ck_effect_initialize(effect, &controller), 0);
    controller.effectParameters = effect;

    void* editor = static_cast<AAX_IACFEffectGUI*>(new AAXWrapper_CEffectGUI);
    EXPECT_EQ(ck_add_ref(editor), 1u);
    ASSERT_EQ(ck_editor_initialize(editor, &controller), 0);
    EXPECT_EQ(ck_add_ref(effect), 3u) << "the editor holds one reference on the effect";
    ck_release(effect);

    Control().ResetLog();
    float size[2] = {0.0f, 0.0f};
    EXPECT_EQ(ck_editor_view_size(editor, size), 0);
    EXPECT_EQ(size[0], 300.0f);
    EXPECT_EQ(size[1], 400.0f);

    int window = 0;
    ck_view view;
    ck_view_init(&view, 3, &window);
    Control().ResetLog();
    EXPECT_EQ(ck_editor_set_view_container(editor, &view), 0);
    std::vector<Call> calls = Control().CallsTo(plugin);
    EXPECT_EQ(Opcodes(calls), (std::vector<int32_t>{effPrivatePrepareEditor, effEditGetRect,
                                                    effEditOpen, effPrivateRedraw}));
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[2].ptr, &window);
    EXPECT_EQ(view.references, 2);

    Control().ResetLog();
    EXPECT_EQ(ck_editor_set_view_container(editor, nullptr), 0);
    EXPECT_EQ(Opcodes(Control().CallsTo(plugin)),
              (std::vector<int32_t>{effEditKeyDown, effEditClose}));
    EXPECT_EQ(view.references, 1);

    EXPECT_EQ(ck_editor_uninitialize(editor), 0);
    EXPECT_EQ(ck_release(editor), 0u);
    EXPECT_EQ(ck_effect_uninitialize(effect), 0);
    EXPECT_EQ(controller.references, 1);
    EXPECT_EQ(ck_release(effect), 0u);
}

}  // namespace
