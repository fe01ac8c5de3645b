// The wrapper's effect-parameters object driven from C, by slot index, the way a workstation
// built by another compiler drives it, with host objects that are C structures.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "abi/chunk.h"
#include "c_kit.h"
#include "module_calls.h"
#include "parameters/aaxwrapper_parameters.h"
#include "tests/support/plugin_test_fixture.h"

namespace {

using testplugin::Call;
using testplugin::CallKind;

constexpr uint32_t kUniqueID = 0x56513331;

testplugin::Script ForeignScript() {
    testplugin::Script script = testplugin::DefaultScript();
    script.numParams = 2;
    const char* identifiers[] = {"drive", "mode"};
    for (int32_t i = 0; i < 2; ++i) {
        testplugin::Parameter& p = script.parameters[i];
        std::strcpy(p.identifier, identifiers[i]);
        p.automatable = 1;
        p.hasProperties = 1;
    }
    std::strcpy(script.parameters[0].properties.label, "Drive");
    script.parameters[0].value = 0.4f;
    std::strcpy(script.parameters[1].properties.label, "Mode");
    script.parameters[1].properties.flags = kVstParameterIsSwitch;
    script.parameters[1].properties.stepInteger = 2;
    script.chunkSize = 3;
    std::memcpy(script.chunk, "abc", 3);
    return script;
}

std::string DataOf(const std::vector<unsigned char>& record) {
    int32_t size = 0;
    std::memcpy(&size, record.data(), sizeof size);
    return {reinterpret_cast<const char*>(record.data()) + kChunkHeaderSize,
            static_cast<size_t>(size)};
}

using ForeignEffect = PluginTest;

TEST_F(ForeignEffect, HostInCDrivesEveryStepBySlot) {
    Control().SetScript(ForeignScript());
    auto* object = new AAXWrapper_Parameters;
    void* effect = static_cast<AAX_IACFEffectParameters_V2*>(object);
    AEffect* plugin = object->GetVstInterface()->effect;
    ASSERT_NE(plugin, nullptr);
    EXPECT_EQ(ck_add_ref(effect), 1u);

    ck_controller controller;
    ck_controller_init(&controller);
    ck_automation automation;
    ck_automation_init(&automation);
    automation.answerTo = effect;
    controller.automation = &automation;
    ASSERT_EQ(ck_effect_initialize(effect, &controller), 0);
    ASSERT_EQ(controller.postCount, 4);
    const uint32_t fields[] = {1, 3, 7, 8};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(controller.posts[i].field, fields[i]);
    int32_t loaded = 0;
    std::memcpy(&loaded, controller.posts[3].bytes, sizeof loaded);
    EXPECT_EQ(loaded, 1);
    EXPECT_EQ(automation.registered, 3);

    int32_t count = 0;
    EXPECT_EQ(ck_effect_number_of_parameters(effect, &count), 0);
    EXPECT_EQ(count, 3);
    ck_string name;
    ck_string_init(&name, "");
    EXPECT_EQ(ck_effect_parameter_name(effect, "drive", &name), 0);
    EXPECT_STREQ(name.text, "Drive");
    EXPECT_EQ(name.writes, 1);
    ck_string id;
    ck_string_init(&id, "");
    EXPECT_EQ(ck_effect_parameter_id(effect, 2, &id), 0);
    EXPECT_STREQ(id.text, "mode");

    // A set becomes a request that the C host answers at once, by slot, and the answer reaches
    // the plug-in.
    Control().ResetLog();
    EXPECT_EQ(ck_effect_set_normalized(effect, "drive", 0.75), 0);
    EXPECT_EQ(automation.setRequests, 1);
    EXPECT_STREQ(automation.lastSetIdentifier, "drive");
    EXPECT_EQ(automation.lastSetValue, 0.75);
    EXPECT_EQ(automation.touches, 1);
    EXPECT_EQ(automation.releases, 1);
    double value = -1.0;
    EXPECT_EQ(ck_effect_get_normalized(effect, "drive", &value), 0);
    EXPECT_EQ(value, 0.75);
    const std::vector<Call> calls = Control().CallsTo(plugin);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].kind, CallKind::kSetParameter);
    EXPECT_EQ(calls[1].index, 0);
    EXPECT_EQ(calls[1].opt, 0.75f);

    // Save, change the bytes, restore, save again.
    uint32_t chunkID = 0;
    EXPECT_EQ(ck_effect_chunk_id(effect, 0, &chunkID), 0);
    EXPECT_EQ(chunkID, kUniqueID);
    uint32_t size = 0;
    EXPECT_EQ(ck_effect_chunk_size(effect, chunkID, &size), 0);
    ASSERT_EQ(size, 3u);
    std::vector<unsigned char> record(kChunkHeaderSize + size);
    EXPECT_EQ(ck_effect_get_chunk(effect, chunkID, record.data()), 0);
    EXPECT_EQ(DataOf(record), "abc");
    std::memcpy(record.data() + kChunkHeaderSize, "xyz", 3);
    EXPECT_EQ(ck_effect_set_chunk(effect, chunkID, record.data()), 0);
    std::vector<unsigned char> again(kChunkHeaderSize + size);
    EXPECT_EQ(ck_effect_chunk_size(effect, chunkID, &size), 0);
    EXPECT_EQ(ck_effect_get_chunk(effect, chunkID, again.data()), 0);
    EXPECT_EQ(DataOf(again), "xyz");

    EXPECT_EQ(ck_effect_uninitialize(effect), 0);
    EXPECT_EQ(controller.references, 1);
    EXPECT_EQ(automation.references, 1);
    EXPECT_EQ(automation.registered, 0);
    Control().ResetLog();
    EXPECT_EQ(ck_release(effect), 0u);
    const std::vector<Call> closing = Control().CallsTo(plugin);
    ASSERT_EQ(closing.size(), 1u);
    EXPECT_EQ(closing[0].opcode, effClose);
}

}  // namespace
