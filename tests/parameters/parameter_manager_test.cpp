#include <gtest/gtest.h>

#include <vector>

#include "parameters/aax_parameter_manager.h"
#include "tests/parameters/parameter_factory.h"
#include "tests/parameters/recording_automation_delegate.h"

TEST(ParameterManager, KeepsTheFirstOfTwoIdentifiersAndLeavesTheSecondToTheCaller) {
    RecordingAutomationDelegate host;
    AAX_CParameterManager manager;
    manager.SetAutomationDelegate(&host);
    AAX_IParameter* first = MakeFloatParameter("Gain").release();
    auto second = MakeSwitchParameter("Gain");
    manager.AddParameter(first);
    manager.AddParameter(second.get());
    EXPECT_EQ(manager.NumParameters(), 1);
    EXPECT_EQ(manager.GetParameterByID("Gain"), first);
    // Only the parameter taken was attached; the refused one is still the caller's to delete.
    EXPECT_EQ(host.calls, (std::vector<AutomationCall>{{"register", "Gain", 0.0}}));
    EXPECT_TRUE(second->SetValueWithBool(true));
}

TEST(ParameterManager, FindsParametersByIdentifierAndIndex) {
    AAX_CParameterManager manager;
    for (const char* id : {"Gain", "Mix", "Tone"})
        manager.AddParameter(MakeFloatParameter(id).release());
    EXPECT_EQ(manager.NumParameters(), 3);
    EXPECT_EQ(manager.GetParameterIndex("Tone"), 2);
    EXPECT_EQ(manager.GetParameterIndex("Gain"), 0);
    EXPECT_EQ(manager.GetParameterIndex("tone"), -1);
    EXPECT_EQ(manager.GetParameterIndex(nullptr), -1);
    EXPECT_STREQ(manager.GetParameter(1)->Identifier(), "Mix");
    EXPECT_EQ(manager.GetParameter(-1), nullptr);
    EXPECT_EQ(manager.GetParameter(3), nullptr);
    EXPECT_STREQ(manager.GetParameterByID("Tone")->Identifier(), "Tone");
    EXPECT_EQ(manager.GetParameterByID("Tone "), nullptr);
    EXPECT_EQ(manager.GetParameterByID(nullptr), nullptr);
}

TEST(ParameterManager, RemoveAllDeletesEveryParameterInIndexOrder) {
    RecordingAutomationDelegate host;
    AAX_CParameterManager manager;
    manager.SetAutomationDelegate(&host);
    for (const char* id : {"Tone", "Gain"}) manager.AddParameter(MakeFloatParameter(id).release());
    host.calls.clear();
    manager.RemoveAllParameters();
    EXPECT_EQ(host.calls, (std::vector<AutomationCall>{{"unregister", "Tone", 0.0},
                                                       {"unregister", "Gain", 0.0}}));
    EXPECT_EQ(manager.NumParameters(), 0);
    EXPECT_EQ(manager.GetParameterByID("Tone"), nullptr);
}
