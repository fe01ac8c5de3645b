// The effect-parameters base as a host reaches it: through the interface, with the stand-in
// host's controller, automation delegate and transport.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "abi/midi.h"
#include "module/object_model.h"
#include "tests/parameters/controls_fixture.h"

namespace {

using aaxhost::Arg;
using aaxhost::Call;
using aaxhost::SetRequestAnswer;
using aaxhost::Text;

using EffectParametersBase = ControlsEffectTest;

TEST_F(EffectParametersBase, AnswersBothInterfacesWithTheObjectAndUnknownWithTheInnerOne) {
    AAX_IACFEffectParameters* v1 = nullptr;
    AAX_IACFEffectParameters_V2* v2 = nullptr;
    IACFUnknown* unknown = nullptr;
    ASSERT_EQ(
        (*effect_)->QueryInterface(IID_AAX_IACFEffectParameters, reinterpret_cast<void**>(&v1)),
        AAX_SUCCESS);
    ASSERT_EQ(
        (*effect_)->QueryInterface(IID_AAX_IACFEffectParameters_V2, reinterpret_cast<void**>(&v2)),
        AAX_SUCCESS);
    ASSERT_EQ((*effect_)->QueryInterface(IID_IACFUnknown, reinterpret_cast<void**>(&unknown)),
              AAX_SUCCESS);
    EXPECT_EQ(static_cast<void*>(v1), static_cast<void*>(effect_->get()));
    EXPECT_EQ(static_cast<void*>(v2), static_cast<void*>(effect_->get()));
    EXPECT_NE(static_cast<void*>(unknown), static_cast<void*>(effect_->get()));
    void* other = &other;
    EXPECT_EQ((*effect_)->QueryInterface(IID_HostController, &other), ACF_E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(unknown->Release(), 3u);
    EXPECT_EQ(v2->Release(), 2u);
    EXPECT_EQ(v1->Release(), 1u);
}

TEST_F(EffectParametersBase, LastReleaseDestroysTheObject) {
    const uint32_t before = ActiveObjectCount.load();
    EXPECT_EQ(effect_->Release(), 0u);
    EXPECT_EQ(ActiveObjectCount.load(), before - 1);
}

TEST_F(EffectParametersBase, InitializeCreatesTheParametersAndFiltersTheBypass) {
    Initialize();
    EXPECT_EQ(effect_->Identifiers(), (std::vector<std::string>{"gain", "mute", kMasterBypassID}));
    AAX_CString bypass;
    EXPECT_EQ((*effect_)->GetMasterBypassParameter(&bypass), AAX_SUCCESS);
    EXPECT_EQ(bypass.StdString(), kMasterBypassID);
    // Each parameter registered itself with the host's automation.
    const std::vector<Call> calls = AutomationCalls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0], (Call{3, {Text("gain")}}));
    EXPECT_EQ(calls[2], (Call{3, {Text(kMasterBypassID)}}));
}

TEST_F(EffectParametersBase, FailingEffectInitEndsInitializeWithItsResult) {
    object_->initResult = -123;
    EXPECT_EQ((*effect_)->Initialize(host_.Unknown()), -123);
}

TEST_F(EffectParametersBase, UninitializeDeletesParametersAndGivesBackEveryHostReference) {
    Initialize();
    EXPECT_GT(host_.controller.OutstandingReferences(), 0);
    EXPECT_EQ((*effect_)->Uninitialize(), AAX_SUCCESS);
    EXPECT_EQ(effect_->Count(), 0);
    EXPECT_TRUE(host_.ReferencesReturned());
    // Packets wait for a controller instead of reaching the deleted one.
    EXPECT_EQ((*effect_)->GenerateCoefficients(), AAX_ERROR_NULL_OBJECT);
}

TEST_F(EffectParametersBase, SecondInitializeStartsAfresh) {
    Initialize();
    Initialize();
    EXPECT_EQ(effect_->Count(), 3);
    EXPECT_EQ((*effect_)->Uninitialize(), AAX_SUCCESS);
    EXPECT_TRUE(host_.ReferencesReturned());
}

TEST_F(EffectParametersBase, ReleaseWithoutUninitializeGivesBackTheHostReferences) {
    Initialize();
    EXPECT_EQ(effect_->Release(), 0u);
    EXPECT_TRUE(host_.ReferencesReturned());
}

TEST_F(EffectParametersBase, DescribesEachParameter) {
    Initialize();
    bool automatable = false;
    int32_t steps = 0;
    int32_t type = -1;
    int32_t orientation = -1;
    double defaultValue = -1.0;
    EXPECT_EQ((*effect_)->GetParameterIsAutomatable("mute", &automatable), AAX_SUCCESS);
    EXPECT_TRUE(automatable);
    EXPECT_EQ((*effect_)->GetParameterNumberOfSteps("gain", &steps), AAX_SUCCESS);
    EXPECT_EQ(steps, 128);
    EXPECT_EQ((*effect_)->GetParameterType("gain", &type), AAX_SUCCESS);
    EXPECT_EQ(type, 1);
    EXPECT_EQ((*effect_)->GetParameterOrientation("gain", &orientation), AAX_SUCCESS);
    EXPECT_EQ(orientation, 0);
    EXPECT_EQ((*effect_)->SetParameterDefaultNormalizedValue("gain", 0.5), AAX_SUCCESS);
    EXPECT_EQ((*effect_)->GetParameterDefaultNormalizedValue("gain", &defaultValue), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ(defaultValue, 0.5);
    int32_t index = -5;
    EXPECT_EQ((*effect_)->GetParameterIndex("mute", &index), AAX_SUCCESS);
    EXPECT_EQ(index, 1);
    AAX_IParameter* parameter = nullptr;
    EXPECT_EQ((*effect_)->GetParameter("mute", &parameter), AAX_SUCCESS);
    ASSERT_NE(parameter, nullptr);
    EXPECT_STREQ(parameter->Identifier(), "mute");
    EXPECT_EQ(effect_->Name("gain"), "Gain");
}

// Every operation that takes an identifier, called with one that no parameter has.
TEST_F(EffectParametersBase, UnknownIdentifiersAnswerAsEachOperationPromises) {
    Initialize();
    struct Row {
        const char* operation;
        std::function<Result(AAX_IACFEffectParameters&)> call;
        Result expected;
    };
    double value = 7.0;
    int32_t number = 7;
    bool flag = true;
    AAX_IParameter* parameter = reinterpret_cast<AAX_IParameter*>(&number);
    AAX_CString text("untouched");
    const AAX_CString input("0.5");
    const char* id = "nothing";
    const std::vector<Row> rows = {
        {"IsAutomatable", [&](auto& e) { return e.GetParameterIsAutomatable(id, &flag); },
         AAX_ERROR_INVALID_PARAMETER_ID},
        {"Steps", [&](auto& e) { return e.GetParameterNumberOfSteps(id, &number); },
         AAX_ERROR_INVALID_PARAMETER_ID},
        {"DefaultGet", [&](auto& e) { return e.GetParameterDefaultNormalizedValue(id, &value); },
         AAX_ERROR_INVALID_PARAMETER_ID},
        {"DefaultSet", [&](auto& e) { return e.SetParameterDefaultNormalizedValue(id, 0.1); },
         AAX_ERROR_INVALID_PARAMETER_ID},
        {"Type", [&](auto& e) { return e.GetParameterType(id, &number); },
         AAX_ERROR_INVALID_PARAMETER_ID},
        {"Orientation", [&](auto& e) { return e.GetParameterOrientation(id, &number); },
         AAX_ERROR_INVALID_PARAMETER_ID},
        {"ValueFromString",
         [&](auto& e) { return e.GetParameterValueFromString(id, &value, input); },
         AAX_ERROR_INVALID_PARAMETER_ID},
        {"StringFromValue",
         [&](auto& e) { return e.GetParameterStringFromValue(id, 0.5, &text, 8); },
         AAX_ERROR_INVALID_PARAMETER_ID},
        {"ValueString", [&](auto& e) { return e.GetParameterValueString(id, &text, 8); },
         AAX_ERROR_INVALID_PARAMETER_ID},
        {"NormalizedGet", [&](auto& e) { return e.GetParameterNormalizedValue(id, &value); },
         AAX_ERROR_INVALID_PARAMETER_ID},
        {"NormalizedSet", [&](auto& e) { return e.SetParameterNormalizedValue(id, 0.5); },
         AAX_ERROR_INVALID_PARAMETER_ID},
        {"Relative", [&](auto& e) { return e.SetParameterNormalizedRelative(id, 0.1); },
         AAX_ERROR_INVALID_PARAMETER_ID},
        {"Touch", [&](auto& e) { return e.TouchParameter(id); }, AAX_ERROR_INVALID_PARAMETER_ID},
        {"Release", [&](auto& e) { return e.ReleaseParameter(id); },
         AAX_ERROR_INVALID_PARAMETER_ID},
        {"Update", [&](auto& e) { return e.UpdateParameterNormalizedValue(id, 0.5, 0); },
         AAX_ERROR_INVALID_PARAMETER_ID},
        {"UpdateRelative", [&](auto& e) { return e.UpdateParameterNormalizedRelative(id, 0.1); },
         AAX_ERROR_INVALID_PARAMETER_ID},
    };
    const size_t automationBefore = AutomationCalls().size();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.operation);
        EXPECT_EQ(row.call(*effect_->get()), row.expected);
    }
    EXPECT_EQ(value, 7.0);
    EXPECT_EQ(number, 7);
    EXPECT_EQ(text.StdString(), "untouched");
    EXPECT_EQ(AutomationCalls().size(), automationBefore);
    // These write a defined answer as they fail.
    EXPECT_FALSE(flag);
    EXPECT_EQ((*effect_)->GetParameter(id, &parameter), AAX_ERROR_INVALID_PARAMETER_ID);
    EXPECT_EQ(parameter, nullptr);
    EXPECT_EQ((*effect_)->GetParameterIndex(id, &number), AAX_ERROR_INVALID_PARAMETER_ID);
    EXPECT_EQ(number, -1);
    EXPECT_EQ((*effect_)->GetParameterIDFromIndex(3, &text), AAX_ERROR_INVALID_PARAMETER_ID);
    EXPECT_EQ(text.StdString(), "");
    text = "untouched";
    EXPECT_EQ((*effect_)->GetParameterIDFromIndex(-1, &text), AAX_ERROR_INVALID_PARAMETER_ID);
    EXPECT_EQ(text.StdString(), "");
    text = "untouched";
    EXPECT_EQ((*effect_)->GetParameterName(id, &text), AAX_SUCCESS);
    EXPECT_EQ(text.StdString(), "");
    text = "untouched";
    EXPECT_EQ((*effect_)->GetParameterNameOfLength(id, &text, 8), AAX_SUCCESS);
    EXPECT_EQ(text.StdString(), "");
}

TEST_F(EffectParametersBase, NullOutputsAreRefusedWithoutACrash) {
    Initialize();
    EXPECT_EQ((*effect_)->GetNumberOfParameters(nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ((*effect_)->GetMasterBypassParameter(nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ((*effect_)->GetParameterName("gain", nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ((*effect_)->GetParameterNormalizedValue("gain", nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ((*effect_)->GetChunkSize(kControlsChunkID, nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ((*effect_)->GetChunk(kControlsChunkID, nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ((*effect_)->SetChunk(kControlsChunkID, nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ((*effect_)->CompareActiveChunk(nullptr, nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ((*effect_)->GetParameterIsAutomatable(nullptr, nullptr), AAX_ERROR_NULL_OBJECT);
    bool flag = true;
    EXPECT_EQ((*effect_)->GetParameterIsAutomatable(nullptr, &flag),
              AAX_ERROR_INVALID_PARAMETER_ID);
}

TEST_F(EffectParametersBase, NameOfLengthGivesTheLongestLineThatFits) {
    Initialize();
    struct Case {
        int32_t length;
        std::string expected;
    };
    for (const Case& c : {Case{10, "Mstr Byp"}, Case{13, "Master Bypass"}, Case{3, "Byp"},
                          Case{2, kBypassName}, Case{0, kBypassName}}) {
        SCOPED_TRACE(c.length);
        AAX_CString name;
        EXPECT_EQ((*effect_)->GetParameterNameOfLength(kMasterBypassID, &name, c.length),
                  AAX_SUCCESS);
        EXPECT_EQ(name.StdString(), c.expected);
    }
}

TEST_F(EffectParametersBase, TextsOfValuesWithAndWithoutTheLimit) {
    Initialize();
    ASSERT_EQ((*effect_)->UpdateParameterNormalizedValue("gain", 123.45 / 200.0, 0), AAX_SUCCESS);
    // The current value's text ignores the limit; a value's text is cut to it.
    EXPECT_EQ(effect_->ValueString("gain", 4), "123.45");
    AAX_CString text;
    EXPECT_EQ((*effect_)->GetParameterStringFromValue("gain", 123.45 / 200.0, &text, 4),
              AAX_SUCCESS);
    EXPECT_EQ(text.StdString(), "123");
    EXPECT_EQ(effect_->ValueString("mute"), "off");

    double value = -1.0;
    EXPECT_EQ((*effect_)->GetParameterValueFromString("gain", &value, AAX_CString("50")),
              AAX_SUCCESS);
    EXPECT_DOUBLE_EQ(value, 0.25);
    value = -1.0;
    EXPECT_EQ((*effect_)->GetParameterValueFromString("gain", &value, AAX_CString("loud")),
              AAX_ERROR_INVALID_STRING_CONVERSION);
    EXPECT_EQ(value, -1.0);
}

TEST_F(EffectParametersBase, SetRequestsGoToTheHostWhichAnswersWithAnUpdate) {
    Initialize();
    const size_t before = AutomationCalls().size();
    ASSERT_EQ((*effect_)->SetParameterNormalizedValue("gain", 0.5), AAX_SUCCESS);
    const std::vector<Call> calls = AutomationCalls();
    ASSERT_EQ(calls.size(), before + 4);
    EXPECT_EQ(calls[before], (Call{7, {Text("gain")}}));
    EXPECT_EQ(calls[before + 1], (Call{5, {Text("gain"), Arg(0.5)}}));
    // The host's answer, given inside the request, posts the new value back.
    EXPECT_EQ(calls[before + 2], (Call{6, {Text("gain"), Arg(0.5)}}));
    EXPECT_EQ(calls[before + 3], (Call{8, {Text("gain")}}));
    EXPECT_DOUBLE_EQ(effect_->Normalized("gain"), 0.5);
    EXPECT_EQ((*effect_)->TouchParameter("gain"), AAX_SUCCESS);
    EXPECT_EQ((*effect_)->ReleaseParameter("gain"), AAX_SUCCESS);
    EXPECT_EQ(AutomationCalls().back(), (Call{8, {Text("gain")}}));
}

TEST_F(EffectParametersBase, RelativeChangesStayWithinTheRange) {
    Initialize();
    struct Case {
        double start;
        double step;
        double requested;
    };
    for (const Case& c : {Case{0.9, 0.3, 1.0}, Case{0.2, -0.5, 0.0}, Case{0.25, 0.25, 0.5}}) {
        SCOPED_TRACE(c.step);
        ASSERT_EQ((*effect_)->UpdateParameterNormalizedValue("gain", c.start, 0), AAX_SUCCESS);
        ASSERT_EQ((*effect_)->SetParameterNormalizedRelative("gain", c.step), AAX_SUCCESS);
        const std::vector<Call> calls = AutomationCalls();
        EXPECT_EQ(calls[calls.size() - 3], (Call{5, {Text("gain"), Arg(c.requested)}}));
        ASSERT_EQ((*effect_)->UpdateParameterNormalizedValue("gain", c.start, 0), AAX_SUCCESS);
        ASSERT_EQ((*effect_)->UpdateParameterNormalizedRelative("gain", c.step), AAX_SUCCESS);
        EXPECT_DOUBLE_EQ(effect_->Normalized("gain"), c.requested);
    }
}

TEST_F(EffectParametersBase, CountsUpdatesAndPostsTheirPacketsOnCoefficientGeneration) {
    Initialize();
    int32_t changes = -1;
    EXPECT_EQ((*effect_)->GetNumberOfChanges(&changes), AAX_SUCCESS);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ((*effect_)->UpdateParameterNormalizedValue("mute", 1.0, 0), AAX_SUCCESS);
    EXPECT_EQ((*effect_)->UpdateParameterNormalizedValue("mute", 0.0, 5), AAX_SUCCESS);
    EXPECT_EQ((*effect_)->GetNumberOfChanges(&changes), AAX_SUCCESS);
    EXPECT_EQ(changes, 2);
    // Nothing is registered for a packet here: no post.
    EXPECT_EQ((*effect_)->GenerateCoefficients(), AAX_SUCCESS);
    for (const Call& call : host_.controller.Log().Calls()) EXPECT_NE(call.slot, 12);
}

TEST_F(EffectParametersBase, PreviewNotificationSetsThePreviewParameterOnly) {
    object_->withPreview = true;
    Initialize();
    const int32_t on = 1;
    const int32_t off = 0;
    EXPECT_EQ((*effect_)->NotificationReceived(FourCharCode("ASPv"), &on, sizeof on), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ(effect_->Normalized("PreviewID"), 1.0);
    EXPECT_EQ((*effect_)->NotificationReceived(FourCharCode("ASPx"), &off, sizeof off),
              AAX_SUCCESS);
    EXPECT_DOUBLE_EQ(effect_->Normalized("PreviewID"), 1.0);
    // Too short to hold the flag: ignored, nothing read.
    EXPECT_EQ((*effect_)->NotificationReceived(FourCharCode("ASPv"), &off, 2), AAX_SUCCESS);
    EXPECT_EQ((*effect_)->NotificationReceived(FourCharCode("ASPv"), nullptr, 4), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ(effect_->Normalized("PreviewID"), 1.0);
    EXPECT_EQ((*effect_)->NotificationReceived(FourCharCode("ASPv"), &off, sizeof off),
              AAX_SUCCESS);
    EXPECT_DOUBLE_EQ(effect_->Normalized("PreviewID"), 0.0);
}

TEST_F(EffectParametersBase, PreviewNotificationWithoutPreviewParameterChangesNothing) {
    Initialize();
    const size_t before = AutomationCalls().size();
    const int32_t on = 1;
    EXPECT_EQ((*effect_)->NotificationReceived(FourCharCode("ASPv"), &on, sizeof on), AAX_SUCCESS);
    EXPECT_EQ(AutomationCalls().size(), before);
}

TEST_F(EffectParametersBase, FixedAnswersOfTheRemainingSlots) {
    Initialize();
    unsigned char field[8];
    std::memset(field, 0xAA, sizeof field);
    EXPECT_EQ((*effect_)->ResetFieldData(6, field, 5), AAX_SUCCESS);
    const unsigned char expected[8] = {0, 0, 0, 0, 0, 0xAA, 0xAA, 0xAA};
    EXPECT_EQ(std::memcmp(field, expected, sizeof field), 0);

    int32_t count = 0;
    TypeCode chunkID = 7;
    EXPECT_EQ((*effect_)->GetNumberOfChunks(&count), AAX_SUCCESS);
    EXPECT_EQ(count, 1);
    EXPECT_EQ((*effect_)->GetChunkIDFromIndex(0, &chunkID), AAX_SUCCESS);
    EXPECT_EQ(chunkID, kControlsChunkID);
    EXPECT_EQ((*effect_)->GetChunkIDFromIndex(1, &chunkID), AAX_ERROR_INVALID_CHUNK_INDEX);
    EXPECT_EQ(chunkID, 0u);

    int32_t info = 7;
    EXPECT_EQ((*effect_)->GetParameterValueInfo("gain", 0, &info), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(info, 0);
    uint32_t written = 9;
    EXPECT_EQ((*effect_)->GetCustomData(FourCharCode("blck"), 4, field, &written), AAX_SUCCESS);
    EXPECT_EQ(written, 0u);
    MidiPacket packet{};
    EXPECT_EQ((*effect_)->UpdateParameterTouch("gain", true), AAX_SUCCESS);
    EXPECT_EQ((*effect_)->TimerWakeup(), AAX_SUCCESS);
    EXPECT_EQ((*effect_)->GetCurveData(0, nullptr, 0, nullptr), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ((*effect_)->SetCustomData(0, 0, nullptr), AAX_SUCCESS);
    EXPECT_EQ((*effect_)->DoMIDITransfers(), AAX_SUCCESS);
    EXPECT_EQ((*effect_)->RenderAudio_Hybrid(nullptr), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ((*effect_)->UpdateMIDINodes(10, packet), AAX_SUCCESS);
    EXPECT_EQ((*effect_)->UpdateControlMIDINodes(0, packet), AAX_SUCCESS);
}

}  // namespace
