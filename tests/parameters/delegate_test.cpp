#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "parameters/aax_binary_display_delegate.h"
#include "parameters/aax_binary_taper_delegate.h"
#include "parameters/aax_linear_taper_delegate.h"
#include "parameters/aax_number_display_delegate.h"

TEST(LinearTaper, MapsBetweenNormalizedAndRealAndClampsAtTheBounds) {
    const AAX_CLinearTaperDelegate<float, 0> concrete(-10.0f, 30.0f);
    const std::unique_ptr<AAX_ITaperDelegate<float>> taper(concrete.Clone());
    struct Case {
        double normalized;
        float real;
    };
    for (const Case& c : {Case{0.0, -10.0f}, Case{0.25, 0.0f}, Case{1.0, 30.0f}, Case{1.5, 30.0f},
                          Case{-0.2, -10.0f}}) {
        EXPECT_EQ(taper->NormalizedToReal(c.normalized), c.real) << c.normalized;
    }
    EXPECT_DOUBLE_EQ(taper->RealToNormalized(0.0f), 0.25);
    EXPECT_DOUBLE_EQ(taper->RealToNormalized(99.0f), 1.0);
    EXPECT_DOUBLE_EQ(taper->RealToNormalized(-99.0f), 0.0);
    EXPECT_EQ(taper->ConstrainRealValue(31.0f), 30.0f);
    EXPECT_EQ(taper->ConstrainRealValue(-11.0f), -10.0f);
    EXPECT_EQ(taper->GetMinimumValue(), -10.0f);
    EXPECT_EQ(taper->GetMaximumValue(), 30.0f);
}

// A plug-in's getParameter or a host may give a value that is not a number; the parameter must
// still hold one within its range.
TEST(LinearTaper, ValuesThatAreNotNumbersGiveTheMinimum) {
    const AAX_CLinearTaperDelegate<float, 0> taper(-10.0f, 30.0f);
    const float nan = std::nanf("");
    struct Case {
        const char* what;
        double got;
        double expected;
    };
    for (const Case& c : {Case{"constrained", taper.ConstrainRealValue(nan), -10.0},
                          Case{"from normalized", taper.NormalizedToReal(std::nan("")), -10.0},
                          Case{"to normalized", taper.RealToNormalized(nan), 0.0}}) {
        EXPECT_EQ(c.got, c.expected) << c.what;
    }
}

// A plug-in parameter may have an empty range; its one value sits at normalized 0.
TEST(LinearTaper, EmptyRangeGivesTheMinimumAndZeroWithoutDividing) {
    const AAX_CLinearTaperDelegate<float, 0> taper(4.0f, 4.0f);
    for (double normalized : {0.0, 0.5, 1.0, std::nan("")}) {
        EXPECT_EQ(taper.NormalizedToReal(normalized), 4.0f) << normalized;
    }
    for (float real : {4.0f, 3.0f, 5.0f}) EXPECT_EQ(taper.RealToNormalized(real), 0.0) << real;
}

TEST(BinaryTaper, AnyPositiveValueIsTrue) {
    const AAX_CBinaryTaperDelegate<bool> concrete;
    const std::unique_ptr<AAX_ITaperDelegate<bool>> taper(concrete.Clone());
    struct Case {
        double normalized;
        bool real;
    };
    for (const Case& c : {Case{0.0, false}, Case{-0.5, false}, Case{std::nan(""), false},
                          Case{1e-300, true}, Case{0.0001, true}, Case{1.0, true}}) {
        EXPECT_EQ(taper->NormalizedToReal(c.normalized), c.real) << c.normalized;
    }
    EXPECT_EQ(taper->RealToNormalized(true), 1.0);
    EXPECT_EQ(taper->RealToNormalized(false), 0.0);
}

TEST(NumberDisplay, ShowsTwoDecimalsCutToTheLimitWithoutATrailingPoint) {
    const AAX_CNumberDisplayDelegate<float, 2, 0> concrete;
    const std::unique_ptr<AAX_IDisplayDelegate<float>> display(concrete.Clone());
    struct Case {
        float value;
        int32_t limit;  // -100: the plain form
        const char* text;
    };
    for (const Case& c :
         {Case{0.5f, -100, "0.50"}, Case{3.0f, -100, "3.00"}, Case{-1.25f, -100, "-1.25"},
          Case{123.45f, -100, "123.45"}, Case{123.45f, 3, "123"}, Case{123.45f, 4, "123"},
          Case{123.45f, 10, "123.45"}, Case{10.0f, 3, "10"}, Case{0.5f, 3, "0.5"},
          Case{0.5f, 0, ""}, Case{0.5f, -1, ""}}) {
        AAX_CString text("stale");
        const bool ok = c.limit == -100 ? display->ValueToString(c.value, &text)
                                        : display->ValueToString(c.value, c.limit, &text);
        EXPECT_TRUE(ok);
        EXPECT_EQ(text.StdString(), c.text) << c.value << " limit " << c.limit;
    }
}

TEST(NumberDisplay, ParsesTheLeadingNumberOrFailsWithZero) {
    const AAX_CNumberDisplayDelegate<float, 2, 0> display;
    struct Case {
        const char* text;
        bool ok;
        float value;
    };
    for (const Case& c :
         {Case{"2.5dB", true, 2.5f}, Case{"  -7", true, -7.0f}, Case{"0.50", true, 0.5f},
          Case{"abc", false, 0.0f}, Case{"", false, 0.0f}}) {
        float value = 99.0f;
        EXPECT_EQ(display.StringToValue(AAX_CString(c.text), &value), c.ok) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

TEST(BinaryDisplay, ShowsFixedTextsAndParsesThemCaseSensitively) {
    const AAX_CBinaryDisplayDelegate<bool> concrete("off", "on");
    const std::unique_ptr<AAX_IDisplayDelegate<bool>> display(concrete.Clone());
    AAX_CString text;
    EXPECT_TRUE(display->ValueToString(true, 1, &text));
    EXPECT_EQ(text.StdString(), "on");
    EXPECT_TRUE(display->ValueToString(false, &text));
    EXPECT_EQ(text.StdString(), "off");
    struct Case {
        const char* text;
        bool ok;
        bool value;
    };
    for (const Case& c : {Case{"on", true, true}, Case{"off", true, false},
                          Case{"ON", false, false}, Case{"maybe", false, false}}) {
        bool value = !c.value;
        EXPECT_EQ(display->StringToValue(AAX_CString(c.text), &value), c.ok) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

TEST(BinaryDisplay, NullFalseTextIsEmpty) {
    const AAX_CBinaryDisplayDelegate<bool> display(nullptr, "on");
    AAX_CString text("stale");
    display.ValueToString(false, &text);
    EXPECT_EQ(text.StdString(), "");
    bool value = true;
    EXPECT_TRUE(display.StringToValue(AAX_CString(""), &value));
    EXPECT_FALSE(value);
}
