#include <gtest/gtest.h>

#include <cstring>

#include "bridge/host_callback_entry.h"
#include "bridge/plugin_loader.h"
#include "tests/support/bridge_instance.h"
#include "tests/support/plugin_test_fixture.h"

namespace {

class HostCallbackRouting : public PluginTest {};

constexpr int32_t kPerInstanceOpcodes[] = {
    audioMasterAutomate,      audioMasterGetTime,   audioMasterSizeWindow, audioMasterGetSampleRate,
    audioMasterUpdateDisplay, audioMasterBeginEdit, audioMasterEndEdit,
};

}  // namespace

TEST_F(HostCallbackRouting, HostWideRequestsAreAnsweredWithoutAnEffect) {
    LoadWrappedPlugin();  // hands the plug-in its host callback
    EXPECT_EQ(Control().CallHost(nullptr, audioMasterVersion), 7);
    EXPECT_EQ(Control().CallHost(nullptr, audioMasterCurrentId), 0x41415348);

    char vendor[32];
    std::memset(vendor, 'x', sizeof vendor);
    EXPECT_EQ(Control().CallHost(nullptr, audioMasterGetVendorString, 0, 0, vendor), 0);
    EXPECT_STREQ(vendor, "Morv AAX Wrapper");
    EXPECT_EQ(vendor[17], 'x') << "only the text and its terminator are written";
}

TEST_F(HostCallbackRouting, VendorRequestWithoutABufferWritesNothing) {
    LoadWrappedPlugin();
    EXPECT_EQ(Control().CallHost(nullptr, audioMasterGetVendorString, 0, 0, nullptr), 0);
}

TEST_F(HostCallbackRouting, HostWideRequestsAreAnsweredForALinkedInstanceToo) {
    BridgeInstance instance;
    EXPECT_EQ(Control().CallHost(instance.bridge.effect, audioMasterVersion), 7);
    EXPECT_EQ(Control().CallHost(instance.bridge.effect, audioMasterCurrentId), 0x41415348);
}

TEST_F(HostCallbackRouting, PerInstanceRequestsGiveZeroWithoutEffectOrUser) {
    AEffect* unlinked = LoadWrappedPlugin();  // user stays null until an owner links it
    ASSERT_NE(unlinked, nullptr);
    for (int32_t opcode : kPerInstanceOpcodes) {
        SCOPED_TRACE(opcode);
        EXPECT_EQ(Control().CallHost(nullptr, opcode), 0);
        EXPECT_EQ(Control().CallHost(unlinked, opcode), 0);
    }
    EXPECT_TRUE(Control().Calls().empty()) << "no answer called into a plug-in";
}

TEST_F(HostCallbackRouting, UnansweredOpcodesGiveZeroAndTouchNothing) {
    BridgeInstance instance;
    constexpr int32_t kUnanswered[] = {
        audioMasterIdle,
        audioMasterWantMidi,
        audioMasterProcessEvents,
        audioMasterIOChanged,
        audioMasterGetBlockSize,
        audioMasterGetCurrentProcessLevel,
        audioMasterGetProductString,
        audioMasterGetVendorVersion,
        audioMasterCanDo,
        audioMasterGetDirectory,
        audioMasterGetLanguage,
        -1,
        effGetParamIdentifier,
        1000,
    };
    for (int32_t opcode : kUnanswered) {
        SCOPED_TRACE(opcode);
        char text[64];
        std::memset(text, 'x', sizeof text);
        EXPECT_EQ(Control().CallHost(instance.bridge.effect, opcode, 0, 0, text), 0);
        EXPECT_EQ(text[0], 'x');
    }
    EXPECT_TRUE(Control().Calls().empty());
}
