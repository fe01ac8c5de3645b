// Module objects called as a workstation built by another compiler calls them: from C, by slot
// index through their tables, and filling host strings that are C objects.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "c_kit.h"
#include "host/aax_string.h"
#include "module_calls.h"
#include "tests/parameters/parameter_factory.h"

namespace {

// A host string handed to the module as the interface it implements.
AAX_IString& AsInterface(ck_string& string) {
    return *reinterpret_cast<AAX_IString*>(&string);
}

TEST(ForeignCaller, ModuleStringBySlot) {
    AAX_CString string("Gain");
    EXPECT_EQ(ck_text_length(&string), 4u);
    EXPECT_EQ(ck_text_max_length(&string), 4294967294u);
    EXPECT_STREQ(ck_text_get(&string), "Gain");

    ck_text_set(&string, "Cutoff");
    EXPECT_EQ(string.StdString(), "Cutoff");
    EXPECT_EQ(ck_text_assign_text(&string, "Q"), static_cast<void*>(&string));
    EXPECT_EQ(string.StdString(), "Q");

    ck_string host;
    ck_string_init(&host, "Resonance");
    EXPECT_EQ(ck_text_assign_string(&string, &host), static_cast<void*>(&string));
    EXPECT_EQ(string.StdString(), "Resonance") << "the module reads the C string by its slot 3";
    ck_text_assign_string(&string, &string);
    EXPECT_EQ(string.StdString(), "Resonance");
}

TEST(ForeignCaller, DeletingAModuleObjectBySlotZeroFreesIt) {
    // Under the address sanitizer a double free or a leak here fails the suite.
    ck_delete(new AAX_CString("gone"));
    ck_delete(MakeSwitchParameter("Switch").release());
}

TEST(ForeignCaller, ModuleFillsAndReadsHostStrings) {
    ck_string host;
    ck_string_init(&host, "host text");
    AAX_CString string;
    string.AssignString(AsInterface(host));
    EXPECT_EQ(string.StdString(), "host text");

    const AAX_CString source("from the module");
    AsInterface(host).AssignString(source);
    EXPECT_STREQ(host.text, "from the module");
    EXPECT_EQ(host.writes, 1);
}

template <class Parameter>
std::unique_ptr<AAX_IParameter, BoundaryDeleter> ToOwned(std::unique_ptr<Parameter> parameter) {
    return std::unique_ptr<AAX_IParameter, BoundaryDeleter>(parameter.release());
}

TEST(ForeignCaller, ParameterBySlot) {
    struct Case {
        const char* name;
        std::unique_ptr<AAX_IParameter, BoundaryDeleter> parameter;
        const char* identifier;
        const char* parameterName;
        uint32_t steps;
        double setTo;
        double readBack;
        const char* valueText;
        double otherValue;
        const char* otherText;
    };
    Case cases[] = {
        {"float", ToOwned(MakeFloatParameter("Gain")), "Gain", "Gain", 65, 0.25, 0.25, "2.50", 1.0,
         "10.00"},
        {"bool", ToOwned(MakeSwitchParameter("Switch")), "Switch", "Switch", 2, 0.7, 1.0, "on", 0.0,
         "off"},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.parameter->SetNumberOfSteps(c.steps);
        void* parameter = c.parameter.get();
        EXPECT_STREQ(ck_parameter_identifier(parameter), c.identifier);
        EXPECT_STREQ(ck_text_get(ck_parameter_name(parameter)), c.parameterName);
        EXPECT_TRUE(ck_parameter_automatable(parameter));
        EXPECT_EQ(ck_parameter_number_of_steps(parameter), c.steps);

        ck_parameter_set_normalized(parameter, c.setTo);
        EXPECT_EQ(ck_parameter_get_normalized(parameter), c.readBack);

        ck_string text;
        ck_string_init(&text, "stale");
        EXPECT_TRUE(ck_parameter_value_string(parameter, &text));
        EXPECT_STREQ(text.text, c.valueText);
        EXPECT_TRUE(ck_parameter_string_from_normalized(parameter, c.otherValue, &text));
        EXPECT_STREQ(text.text, c.otherText);
    }
}

}  // namespace
