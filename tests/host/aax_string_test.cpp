#include "host/aax_string.h"

#include <gtest/gtest.h>

#include <cstring>
#include <locale>
#include <string>

namespace {

// Another implementation of the interface, as a host would have: a fixed buffer.
class FixedString final : public BoundaryObject<AAX_IString> {
  public:
    uint32_t Length() const override { return static_cast<uint32_t>(std::strlen(mText)); }
    uint32_t MaxLength() const override { return sizeof(mText) - 1; }
    const char* Get() const override { return mText; }
    void Set(const char* text) override {
        std::strncpy(mText, text == nullptr ? "" : text, sizeof(mText) - 1);
    }
    AAX_IString& AssignText(const char* text) override {
        Set(text);
        return *this;
    }
    AAX_IString& AssignString(const AAX_IString& other) override {
        if (&other != this) Set(other.Get());
        return *this;
    }

  private:
    char mText[32] = {};
};

// Writes a text through the interface, the way a receiver fills a string it was handed.
void FillThroughInterface(AAX_IString& string, const char* text) {
    string.AssignText(text);
}

TEST(AaxString, DefaultStringIsEmptyAndNeverNull) {
    const AAX_CString string;
    const AAX_IString& asInterface = string;
    EXPECT_EQ(asInterface.Length(), 0u);
    ASSERT_NE(asInterface.Get(), nullptr);
    EXPECT_STREQ(asInterface.Get(), "");
}

TEST(AaxString, NullTextGivesTheEmptyString) {
    const AAX_CString constructed(nullptr);
    EXPECT_STREQ(constructed.Get(), "");
    EXPECT_EQ(constructed.Length(), 0u);

    AAX_CString set("before");
    AAX_IString& asInterface = set;
    asInterface.Set(nullptr);
    EXPECT_STREQ(asInterface.Get(), "");
    asInterface.AssignText("again");
    asInterface.AssignText(nullptr);
    EXPECT_STREQ(asInterface.Get(), "");
}

TEST(AaxString, MaxLengthIsFixedWhateverTheContents) {
    AAX_CString string;
    const AAX_IString& asInterface = string;
    EXPECT_EQ(asInterface.MaxLength(), 4294967294u);
    string = std::string(1000, 'x').c_str();
    EXPECT_EQ(asInterface.MaxLength(), 4294967294u);
}

TEST(AaxString, BytesAreStoredUnchanged) {
    const char bytes[] = "\xC3\xA9t\xE9\x7F\x01";
    AAX_CString string;
    FillThroughInterface(string, bytes);
    EXPECT_EQ(string.Length(), sizeof(bytes) - 1);
    EXPECT_EQ(std::memcmp(string.Get(), bytes, sizeof(bytes)), 0);
}

TEST(AaxString, SelfAssignmentThroughTheInterfaceKeepsTheContents) {
    AAX_CString string("MasterBypassID");
    AAX_IString& asInterface = string;
    const AAX_IString& sameString = string;
    asInterface.AssignString(sameString);
    EXPECT_STREQ(string.Get(), "MasterBypassID");
    asInterface.AssignText(sameString.Get());
    EXPECT_STREQ(string.Get(), "MasterBypassID");
}

TEST(AaxString, SetFromItsOwnTailKeepsTheTail) {
    AAX_CString string("prefix:tail");
    string.Set(string.Get() + 7);
    EXPECT_STREQ(string.Get(), "tail");
}

TEST(AaxString, FilledFromAnotherImplementationThroughItsInterface) {
    FixedString host;
    host.Set("Gain");
    AAX_CString string("old");
    AAX_IString& asInterface = string;
    asInterface.AssignString(host);
    EXPECT_STREQ(string.Get(), "Gain");
    EXPECT_EQ(string.Length(), 4u);
}

TEST(AaxString, FillsAnotherImplementationThroughItsInterface) {
    const AAX_CString string("Cutoff");
    FixedString host;
    AAX_IString& hostInterface = host;
    hostInterface.AssignString(string);
    EXPECT_STREQ(host.Get(), "Cutoff");
}

TEST(AaxString, CopiesAreIndependent) {
    AAX_CString original("one");
    AAX_CString copy(original);
    original.Append("two");
    EXPECT_STREQ(copy.Get(), "one");
    copy = original;
    original.Clear();
    EXPECT_STREQ(copy.Get(), "onetwo");
    EXPECT_STREQ(original.Get(), "");
}

struct NumberCase {
    const char* start;
    double value;
    int32_t precision;
    const char* expected;
};

class AppendNumber : public testing::TestWithParam<NumberCase> {};

TEST_P(AppendNumber, AppendsFixedPointText) {
    const NumberCase& c = GetParam();
    AAX_CString string(c.start);
    string.AppendNumber(c.value, c.precision);
    EXPECT_STREQ(string.Get(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    AaxString, AppendNumber,
    testing::Values(NumberCase{"x=", 2.0, 2, "x=2.00"}, NumberCase{"", 0.5, 2, "0.50"},
                    NumberCase{"", 3.0, 2, "3.00"}, NumberCase{"", -0.25, 2, "-0.25"},
                    NumberCase{"", -12.5, 2, "-12.50"},
                    NumberCase{"", 1234567.891, 2, "1234567.89"}, NumberCase{"", 0.005, 3, "0.005"},
                    NumberCase{"", 2.5, 0, "2"}, NumberCase{"dB ", 1e-9, 2, "dB 0.00"}));

// Groups thousands and writes a comma for the decimal point, as some user locales do.
class CommaNumbers final : public std::numpunct<char> {
  protected:
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

TEST(AaxString, AppendNumberIgnoresTheProcessLocale) {
    const std::locale previous =
        std::locale::global(std::locale(std::locale::classic(), new CommaNumbers));
    AAX_CString string;
    string.AppendNumber(1234.5, 2);
    std::locale::global(previous);
    EXPECT_STREQ(string.Get(), "1234.50");
}

TEST(AaxString, DirectOperationsActOnTheHeldBytes) {
    AAX_CString string("Frequency");
    EXPECT_EQ(string[0], 'F');
    EXPECT_EQ(string[8], 'y');
    EXPECT_EQ(string[9], '\0');
    EXPECT_EQ(string[1000], '\0');
    string.Erase(4, 100);
    EXPECT_STREQ(string.Get(), "Freq");
    string.Erase(1, 2);
    EXPECT_STREQ(string.Get(), "Fq");
    string.Erase(10, 1);
    EXPECT_STREQ(string.Get(), "Fq");
    string.Clear();
    EXPECT_EQ(string.Length(), 0u);
    EXPECT_STREQ(string.Get(), "");
}

}  // namespace
