#include "bridge/parameter_identity.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/support/bridge_instance.h"
#include "tests/support/plugin_test_fixture.h"

using testplugin::Call;
using testplugin::CallKind;

namespace {

class ParameterIdentity : public PluginTest {};

std::string Filled(int32_t index, const char* start, size_t size = 32) {
    char text[32] = {};
    std::strncpy(text, start, sizeof text - 1);
    FillMissingIdentifier(index, text, size);
    return text;
}

}  // namespace

TEST(ParameterIdentityText, OnlyAnEmptyIdentifierIsReplacedAndOnlyWhenItFits) {
    EXPECT_EQ(Filled(0, ""), "p:0");
    EXPECT_EQ(Filled(17, ""), "p:17");
    EXPECT_EQ(Filled(INT32_MAX, ""), "p:2147483647");
    EXPECT_EQ(Filled(3, "gain"), "gain");
    EXPECT_EQ(Filled(123, "", 5), "") << "p:123 needs six bytes";
    EXPECT_EQ(Filled(123, "", 6), "p:123");
    // No parameter has a negative index: a report naming one must not reach parameter 0.
    EXPECT_EQ(Filled(-1, ""), "");
    EXPECT_EQ(Filled(INT32_MIN, ""), "");
}

// Derived identifiers map back to their index without a call; any other text, including
// look-alikes that no derived identifier spells, is the plug-in's to answer.
TEST_F(ParameterIdentity, DerivedIdentifiersMapBackWithoutAskingThePlugIn) {
    testplugin::Script script = testplugin::DefaultScript();
    script.numParams = 12;
    std::strcpy(script.parameters[5].identifier, "p:01");
    Control().SetScript(script);
    BridgeInstance instance;
    ASSERT_NE(instance.bridge.effect, nullptr);
    Control().ResetLog();

    struct Case {
        const char* identifier;
        int32_t index;
        bool asks;
    };
    for (const Case& c :
         {Case{"p:0", 0, false}, Case{"p:11", 11, false}, Case{"p:12", -1, true},
          Case{"p:01", 5, true}, Case{"p:", -1, true}, Case{"p:-1", -1, true},
          Case{"p:1x", -1, true}, Case{"p:99999999999", -1, true}, Case{"q:1", -1, true}}) {
        SCOPED_TRACE(c.identifier);
        EXPECT_EQ(PlugInParameterIndex(instance.bridge, c.identifier), c.index);
        const std::vector<Call> calls = Control().CallsTo(instance.bridge.effect);
        ASSERT_EQ(calls.size(), c.asks ? 1u : 0u);
        if (c.asks) {
            EXPECT_EQ(calls[0].opcode, effGetParamIndexFromIdentifier);
            EXPECT_STREQ(calls[0].text, c.identifier);
        }
        Control().ResetLog();
    }
}
