#include "bridge/vst_interface.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "tests/support/bridge_instance.h"
#include "tests/support/plugin_test_fixture.h"

using testplugin::Call;
using testplugin::CallKind;

namespace {

class VstInterfaceLife : public PluginTest {
  protected:
    const int32_t callsAfterCloseBefore_ = Control().CallsAfterClose();
};

bool IsDispatch(const Call& call, int32_t opcode) {
    return call.kind == CallKind::kDispatcher && call.opcode == opcode;
}

}  // namespace

TEST(VstInterface, StartsActiveWithEmptyMidiEventsAndNoLinks) {
    const VstInterface bridge;
    EXPECT_EQ(bridge.active.load(), 1);
    EXPECT_EQ(bridge.effect, nullptr);
    EXPECT_EQ(bridge.callBack, nullptr);
    EXPECT_EQ(bridge.editorRect, nullptr);
    EXPECT_FALSE(bridge.IsUsable());
    VstMidiEvent expected{};
    expected.type = kVstMidiType;
    expected.byteSize = 24;
    for (int32_t i = 0; i < VstInterface::kEventBufferSize; ++i) {
        ASSERT_EQ(std::memcmp(&bridge.eventBuffer[i], &expected, sizeof expected), 0) << i;
    }
}

TEST_F(VstInterfaceLife, InstanceWithoutPluginCallsNothingAtDestruction) {
    testsupport::ClearInstallDirectory();
    auto instance = std::make_unique<BridgeInstance>();
    EXPECT_EQ(instance->bridge.effect, nullptr);
    instance.reset();
    EXPECT_TRUE(Control().Calls().empty());
}

TEST_F(VstInterfaceLife, NothingIsSentBetweenLoadingAndBringUp) {
    const BridgeInstance instance;
    ASSERT_NE(instance.bridge.effect, nullptr);
    EXPECT_EQ(instance.bridge.effect->user, &instance.callBack);
    EXPECT_TRUE(Control().CallsTo(instance.bridge.effect).empty());
}

// A plug-in may call its host from inside effClose; the host's answers must not call it again.
struct CloseCase {
    const char* name;
    int32_t reentrantHostCalls;
};

class VstInterfaceClose : public VstInterfaceLife,
                          public ::testing::WithParamInterface<CloseCase> {};

TEST_P(VstInterfaceClose, DestructionSendsExactlyOneCloseAndNothingAfter) {
    testplugin::Script script = testplugin::DefaultScript();
    script.numParams = 1;
    testplugin::NameLikeGenerated(script, 1);
    script.reentrantHostCalls = GetParam().reentrantHostCalls;
    Control().SetScript(script);
    auto instance = std::make_unique<BridgeInstance>();
    const AEffect* effect = instance->bridge.effect;
    ASSERT_NE(effect, nullptr);
    Control().ResetLog();
    instance.reset();

    const std::vector<Call> calls = Control().CallsTo(effect);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_TRUE(IsDispatch(calls[0], effClose));
    EXPECT_EQ(calls[0].index, 0);
    EXPECT_EQ(calls[0].value, 0);
    EXPECT_EQ(calls[0].ptr, nullptr);
    EXPECT_EQ(calls[0].opt, 0.0f);
    EXPECT_EQ(Control().CallsAfterClose(), callsAfterCloseBefore_);
}

INSTANTIATE_TEST_SUITE_P(Plugins, VstInterfaceClose,
                         ::testing::Values(CloseCase{"Quiet", 0},
                                           CloseCase{"CallingItsHostBack", 1}),
                         [](const ::testing::TestParamInfo<CloseCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(VstInterfaceLife, OpenEditorAsksForTheRectangleThenOpensInTheWindow) {
    BridgeInstance instance;
    int window = 0;
    instance.bridge.OpenEditor(&window);

    const std::vector<Call> calls = Control().CallsTo(instance.bridge.effect);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_TRUE(IsDispatch(calls[0], effEditGetRect));
    EXPECT_EQ(calls[0].ptr, &instance.bridge.editorRect);
    EXPECT_TRUE(IsDispatch(calls[1], effEditOpen));
    EXPECT_EQ(calls[1].ptr, &window);
    ASSERT_NE(instance.bridge.editorRect, nullptr);
    const ERect expected = testplugin::DefaultScript().editorRect;
    EXPECT_EQ(instance.bridge.editorRect->bottom, expected.bottom);
    EXPECT_EQ(instance.bridge.editorRect->right, expected.right);
}

TEST_F(VstInterfaceLife, InactivePluginReceivesNoEditorCalls) {
    BridgeInstance instance;
    instance.bridge.active = 0;
    int window = 0;
    instance.bridge.OpenEditor(&window);
    EXPECT_TRUE(Control().CallsTo(instance.bridge.effect).empty());
    EXPECT_EQ(instance.bridge.editorRect, nullptr);
}
