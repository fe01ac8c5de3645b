#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "tests/parameters/parameter_factory.h"
#include "tests/parameters/recording_automation_delegate.h"

namespace {

float FloatValue(const AAX_IParameter& parameter) {
    float value = -1.0f;
    EXPECT_TRUE(parameter.GetValueAsFloat(&value));
    return value;
}

std::vector<AutomationCall> RoundTrip(const char* id, double normalized) {
    return {{"touch", id, 0.0}, {"set", id, normalized}, {"release", id, 0.0}};
}

}  // namespace

TEST(ParameterConstruction, KeepsAtMost31CharactersOfTheIdentifier) {
    const std::string forty(40, 'a');
    EXPECT_STREQ(MakeFloatParameter(forty.c_str())->Identifier(), std::string(31, 'a').c_str());
    const std::string thirtyOne = std::string(30, 'b') + "c";
    EXPECT_STREQ(MakeFloatParameter(thirtyOne.c_str())->Identifier(), thirtyOne.c_str());
}

TEST(ParameterConstruction, StartsContinuousWith128StepsAndTheDefaultStored) {
    auto parameter = std::make_unique<AAX_CParameter<float>>(
        "Gain", AAX_CString("Gain"), 2.5f, AAX_CLinearTaperDelegate<float, 0>(0.0f, 10.0f),
        AAX_CNumberDisplayDelegate<float, 2, 0>(), true);
    const AAX_IParameter& p = *parameter;
    EXPECT_EQ(p.GetNumberOfSteps(), 128u);
    EXPECT_EQ(p.GetType(), 1);
    EXPECT_EQ(p.GetOrientation(), 0);
    EXPECT_TRUE(p.Automatable());
    EXPECT_EQ(std::string(p.Name().Get()), "Gain");
    EXPECT_EQ(FloatValue(p), 2.5f);
    EXPECT_DOUBLE_EQ(p.GetNormalizedDefaultValue(), 0.25);
}

TEST(ParameterValue, WithoutAutomationIsStoredAtOnceAndClamped) {
    auto parameter = MakeFloatParameter("Gain");
    AAX_IParameter& p = *parameter;
    p.SetNormalizedValue(0.25);
    EXPECT_EQ(FloatValue(p), 2.5f);
    EXPECT_DOUBLE_EQ(p.GetNormalizedValue(), 0.25);
    p.SetNormalizedValue(1.5);
    EXPECT_EQ(FloatValue(p), 10.0f);
    p.SetNormalizedValue(-0.2);
    EXPECT_EQ(FloatValue(p), 0.0f);

    auto toggle = MakeSwitchParameter("Mute");
    toggle->SetNormalizedValue(0.0001);
    bool on = false;
    EXPECT_TRUE(toggle->GetValueAsBool(&on));
    EXPECT_TRUE(on);
    EXPECT_EQ(toggle->GetNormalizedValue(), 1.0);
}

TEST(ParameterAutomation, SetRequestsGoToTheHostAndChangeNothingUntilItsUpdate) {
    RecordingAutomationDelegate host;
    auto parameter = MakeFloatParameter("Gain");
    AAX_IParameter& p = *parameter;
    p.SetAutomationDelegate(&host);
    EXPECT_EQ(host.calls, (std::vector<AutomationCall>{{"register", "Gain", 0.0}}));

    host.calls.clear();
    p.SetNormalizedValue(0.25);
    EXPECT_EQ(host.calls, RoundTrip("Gain", 0.25));
    EXPECT_EQ(FloatValue(p), 0.0f);

    host.calls.clear();
    p.UpdateNormalizedValue(0.25);
    p.UpdateNormalizedValue(0.25);
    EXPECT_EQ(FloatValue(p), 2.5f);
    EXPECT_EQ(host.calls, (std::vector<AutomationCall>{{"post", "Gain", 0.25}}));

    host.calls.clear();
    parameter.reset();
    EXPECT_EQ(host.calls, (std::vector<AutomationCall>{{"unregister", "Gain", 0.0}}));
}

TEST(ParameterAutomation, EverySetPathSendsTouchSetRelease) {
    struct Case {
        const char* name;
        std::function<void(AAX_IParameter&)> set;
        double normalized;
    };
    const std::vector<Case> floatCases = {
        {"SetNormalizedValue", [](AAX_IParameter& p) { p.SetNormalizedValue(0.5); }, 0.5},
        {"SetStepValue", [](AAX_IParameter& p) { p.SetStepValue(127); }, 1.0},
        {"SetValueFromString", [](AAX_IParameter& p) { p.SetValueFromString(AAX_CString("2.5")); },
         0.25},
        {"SetValueWithFloat", [](AAX_IParameter& p) { p.SetValueWithFloat(7.5f); }, 0.75},
        {"SetToDefaultValue", [](AAX_IParameter& p) { p.SetToDefaultValue(); }, 0.0},
    };
    for (const Case& c : floatCases) {
        RecordingAutomationDelegate host;
        auto parameter = MakeFloatParameter("Gain");
        parameter->SetAutomationDelegate(&host);
        host.calls.clear();
        c.set(*parameter);
        EXPECT_EQ(host.calls, RoundTrip("Gain", c.normalized)) << c.name;
        EXPECT_EQ(FloatValue(*parameter), 0.0f) << c.name;
        parameter->SetAutomationDelegate(nullptr);
    }
    RecordingAutomationDelegate host;
    auto toggle = MakeSwitchParameter("Mute");
    toggle->SetAutomationDelegate(&host);
    host.calls.clear();
    EXPECT_TRUE(toggle->SetValueWithBool(true));
    EXPECT_EQ(host.calls, RoundTrip("Mute", 1.0));
    EXPECT_EQ(toggle->GetNormalizedValue(), 0.0);
}

TEST(ParameterSteps, ConvertBetweenStepIndexAndNormalizedValue) {
    struct Case {
        uint32_t steps;
        double normalized;
        uint32_t step;
    };
    // A host may store any double: NaN has no step (and is not converted to an integer).
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const Case& c :
         {Case{65, 0.5, 32}, Case{65, 1.0, 64}, Case{65, 0.0, 0}, Case{2, 0.4, 0}, Case{2, 0.6, 1},
          Case{1, 0.7, 0}, Case{0, 0.7, 0}, Case{65, nan, 0}, Case{2, nan, 0}}) {
        auto parameter = MakeFloatParameter("Gain", 0.0f, 1.0f);
        parameter->SetNumberOfSteps(c.steps);
        parameter->SetNormalizedValue(c.normalized);
        EXPECT_EQ(parameter->GetStepValue(), c.step) << c.steps << " at " << c.normalized;
    }
    auto parameter = MakeFloatParameter("Gain", 0.0f, 1.0f);
    parameter->SetNumberOfSteps(2);
    parameter->SetStepValue(5);
    EXPECT_EQ(parameter->GetNormalizedValue(), 1.0);
    parameter->SetNumberOfSteps(5);
    parameter->SetStepValue(1);
    EXPECT_DOUBLE_EQ(parameter->GetNormalizedValue(), 0.25);
    parameter->SetNumberOfSteps(1);
    parameter->SetStepValue(0);
    EXPECT_DOUBLE_EQ(parameter->GetNormalizedValue(), 0.25);
}

TEST(ParameterNames, ShortenedNameIsTheLongestThatFitsElseTheShortest) {
    auto parameter = MakeFloatParameter("Gain");
    AAX_IParameter& p = *parameter;
    p.SetName(AAX_CString("Input Volume"));  // 12 characters
    EXPECT_EQ(std::string(p.ShortenedName(3).Get()), "Input Volume");
    p.AddShortenedName(AAX_CString("In V"));
    p.AddShortenedName(AAX_CString("InVolume"));
    p.AddShortenedName(AAX_CString("In+V"));  // same length: replaces "In V"
    struct Case {
        int32_t length;
        const char* name;
    };
    for (const Case& c : {Case{12, "Input Volume"}, Case{40, "Input Volume"}, Case{9, "InVolume"},
                          Case{8, "InVolume"}, Case{5, "In+V"}, Case{3, "In+V"}}) {
        EXPECT_EQ(std::string(p.ShortenedName(c.length).Get()), c.name) << c.length;
    }
    p.ClearShortenedNames();
    EXPECT_EQ(std::string(p.ShortenedName(3).Get()), "Input Volume");
}

TEST(ParameterText, ConvertsThroughTheDisplayAndReportsOutOfRangeText) {
    auto parameter = MakeFloatParameter("Gain", 0.0f, 1000.0f);
    AAX_IParameter& p = *parameter;
    p.SetNormalizedValue(0.12345);
    AAX_CString text;
    EXPECT_TRUE(p.GetValueStringOfLength(3, &text));
    EXPECT_EQ(text.StdString(), "123.45");
    EXPECT_TRUE(p.GetValueString(&text));
    EXPECT_EQ(text.StdString(), "123.45");
    EXPECT_TRUE(p.GetStringFromNormalizedValueOfLength(0.12345, 3, text));
    EXPECT_EQ(text.StdString(), "123");
    EXPECT_TRUE(p.GetStringFromNormalizedValue(0.12345, text));
    EXPECT_EQ(text.StdString(), "123.45");

    double normalized = -1.0;
    EXPECT_TRUE(p.GetNormalizedValueFromString(AAX_CString("250"), &normalized));
    EXPECT_DOUBLE_EQ(normalized, 0.25);
    EXPECT_FALSE(p.GetNormalizedValueFromString(AAX_CString("2000"), &normalized));
    EXPECT_DOUBLE_EQ(normalized, 1.0);
    normalized = -1.0;
    EXPECT_FALSE(p.GetNormalizedValueFromString(AAX_CString("loud"), &normalized));
    EXPECT_EQ(normalized, -1.0);

    EXPECT_TRUE(p.SetValueFromString(AAX_CString("2.5dB")));
    EXPECT_EQ(FloatValue(p), 2.5f);
    EXPECT_FALSE(p.SetValueFromString(AAX_CString("loud")));
    EXPECT_EQ(FloatValue(p), 2.5f);
}

TEST(ParameterTypedAccess, OnlyTheOwnValueTypeAnswers) {
    auto gain = MakeFloatParameter("Gain");
    auto mute = MakeSwitchParameter("Mute");
    bool b = false;
    int32_t i = 7;
    float f = 0.0f;
    double d = 0.0;
    AAX_CString s;
    EXPECT_FALSE(gain->GetValueAsBool(&b) || gain->GetValueAsInt32(&i) ||
                 gain->GetValueAsDouble(&d) || gain->GetValueAsString(&s));
    EXPECT_FALSE(mute->GetValueAsFloat(&f) || mute->GetValueAsInt32(&i) ||
                 mute->GetValueAsDouble(&d) || mute->GetValueAsString(&s));
    EXPECT_FALSE(gain->SetValueWithBool(true) || gain->SetValueWithInt32(1) ||
                 gain->SetValueWithDouble(1.0) || gain->SetValueWithString(AAX_CString("1")));
    EXPECT_FALSE(mute->SetValueWithFloat(1.0f) || mute->SetValueWithInt32(1) ||
                 mute->SetValueWithDouble(1.0) || mute->SetValueWithString(AAX_CString("on")));
    EXPECT_EQ(FloatValue(*gain), 0.0f);
    EXPECT_TRUE(mute->GetValueAsBool(&b));
    EXPECT_FALSE(b);
    EXPECT_EQ(i, 7);
    EXPECT_TRUE(gain->SetValueWithFloat(4.0f));
    EXPECT_EQ(FloatValue(*gain), 4.0f);
}

TEST(ParameterDelegates, TaperReplacementKeepsThePositionOrTheRealValue) {
    AAX_CLinearTaperDelegate<float, 0> wider(0.0f, 100.0f);
    auto moved = MakeFloatParameter("Gain");
    moved->SetNormalizedValue(0.5);
    moved->SetTaperDelegate(wider, false);
    EXPECT_EQ(FloatValue(*moved), 50.0f);

    auto kept = MakeFloatParameter("Gain");
    kept->SetNormalizedValue(0.5);
    kept->SetTaperDelegate(wider, true);
    EXPECT_EQ(FloatValue(*kept), 5.0f);
    EXPECT_DOUBLE_EQ(kept->GetNormalizedValue(), 0.05);

    AAX_CBinaryTaperDelegate<bool> otherType;
    kept->SetTaperDelegate(otherType, false);
    EXPECT_DOUBLE_EQ(kept->GetNormalizedValue(), 0.05);
}

TEST(ParameterDelegates, ReplacementsReachTheHost) {
    RecordingAutomationDelegate host;
    auto parameter = MakeFloatParameter("Gain");
    parameter->SetAutomationDelegate(&host);
    parameter->UpdateNormalizedValue(0.5);
    host.calls.clear();

    AAX_CLinearTaperDelegate<float, 0> wider(0.0f, 100.0f);
    parameter->SetTaperDelegate(wider, false);  // same position: posted because it must notify
    parameter->SetTaperDelegate(wider, true);   // same real value: a request for its new position
    AAX_CBinaryDisplayDelegate<bool> otherType("off", "on");
    parameter->SetDisplayDelegate(otherType);
    AAX_CNumberDisplayDelegate<float, 2, 0> display;
    parameter->SetDisplayDelegate(display);
    std::vector<AutomationCall> expected = {{"post", "Gain", 0.5}};
    for (const AutomationCall& call : RoundTrip("Gain", 0.5)) expected.push_back(call);
    expected.push_back({"post", "Gain", 0.5});
    EXPECT_EQ(host.calls, expected);
    EXPECT_EQ(FloatValue(*parameter), 50.0f);
    parameter->SetAutomationDelegate(nullptr);
}
