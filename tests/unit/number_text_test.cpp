#include "controls/NumberText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <string>

#include "base/DecimalText.h"

namespace {

size_t Scan(const char* text) { return ScanDecimal(text, std::strlen(text)); }

// Field text → float, or NaN for a refused text (no accepted text gives NaN).
float Field(const std::string& text) {
    float value = NAN;
    return ParseFieldFloat(text, value) ? value : NAN;
}

}  // namespace

TEST(NumberTextScan, LongestDecimalPrefix) {
    struct Case {
        const char* text;
        size_t length;
    };
    const Case cases[] = {
        {"1.", 2}, {".5", 2},  {"-.5", 3}, {"+2", 2},       {"12.5e-3x", 7}, {"1.e5", 4},
        {"1e", 1}, {"1e+", 1}, {"1E5", 3}, {"2x", 1},       {"0x10", 1},     {"1,5", 1},
        {"", 0},   {".", 0},   {"-", 0},   {"+-1", 0},      {"-.e1", 0},     {"e5", 0},
        {" 1", 0}, {"inf", 0}, {"nan", 0}, {"Infinity", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(c.length, Scan(c.text)) << '"' << c.text << '"';
    EXPECT_EQ(1u, ScanDecimal("15", 1));  // the length bounds the scan
}

TEST(NumberTextAtof, AtofRulesForStepsAndBuddies) {
    EXPECT_EQ(5.0, AtofDecimal("5"));
    EXPECT_EQ(2.0, AtofDecimal("2x"));
    EXPECT_EQ(-325.0, AtofDecimal(" \t\n\v\f\r-3.25e2abc"));
    EXPECT_EQ(1.0, AtofDecimal("1e"));
    EXPECT_EQ(0.1, AtofDecimal("0.100"));
    EXPECT_EQ(1.0, AtofDecimal("1,5"));  // a comma is no point, whatever the locale
    for (const char* zero : {"", "   ", "abc", "-", ".", "0x10", "inf", "-inf", "nan", "1e400",
                             "-1e400", "1e99999999999999999999999",
                             "\xA0"
                             "1"}) {
        const double value = AtofDecimal(zero);
        EXPECT_TRUE(value == 0.0) << '"' << zero << "\" gave " << value;
    }
    EXPECT_EQ(0.0, AtofDecimal(nullptr));
}

TEST(NumberTextAtof, CorrectlyRoundedAtTheEdgesOfDouble) {
    EXPECT_EQ(DBL_MAX, AtofDecimal("1.7976931348623157e308"));
    EXPECT_EQ(0.0, AtofDecimal("1.7976931348623159e308"));  // rounds to infinity
    EXPECT_EQ(DBL_MIN, AtofDecimal("2.2250738585072014e-308"));
    EXPECT_EQ(std::nextafter(0.0, 1.0), AtofDecimal("4.9e-324"));
    EXPECT_EQ(0.0, AtofDecimal("1e-400"));
    EXPECT_EQ(1e301, AtofDecimal(("0." + std::string(99, '0') + "1e401").c_str()));
    EXPECT_EQ(1e-300, AtofDecimal(("1" + std::string(100, '0') + "e-400").c_str()));
}

TEST(NumberTextAtof, VeryLongTexts) {
    EXPECT_EQ(1.0 / 3.0, AtofDecimal(("0." + std::string(5000, '3')).c_str()));
    EXPECT_EQ(0.0, AtofDecimal(("1" + std::string(5000, '0')).c_str()));  // overflows
    EXPECT_EQ(1e299, AtofDecimal(("1" + std::string(299, '0') + ".000").c_str()));
    EXPECT_EQ(7.0, AtofDecimal((std::string(5000, ' ') + "7").c_str()));
}

TEST(NumberTextField, AcceptsOneNumberBetweenBlanksAndTabs) {
    struct Case {
        const char* text;
        float value;
    };
    const Case cases[] = {
        {"1", 1.0f},
        {"1.", 1.0f},
        {"1.5", 1.5f},
        {".5", 0.5f},
        {"-.5", -0.5f},
        {"+2", 2.0f},
        {" \t 3 \t", 3.0f},
        {"1e3", 1000.0f},
        {"1.23457e+006", 1234570.0f},
        {"3.4028235e38", FLT_MAX},
        {"-3.4028235e38", -FLT_MAX},
    };
    for (const Case& c : cases) EXPECT_EQ(c.value, Field(c.text)) << '"' << c.text << '"';
}

TEST(NumberTextField, RefusesEverythingElse) {
    for (const char* text : {"",      " \t ",         "-",   "+",    ".",   "-.",  "3x",   "1e",
                             "1e+",   "- 1",          "1 2", "0x10", "inf", "nan", "-nan", "1e39",
                             "-1e40", "3.4028236e38", "\n3", "3\n",  "3\r", "1,5"}) {
        float value = 42.0f;
        EXPECT_FALSE(ParseFieldFloat(text, value)) << '"' << text << '"';
        EXPECT_EQ(42.0f, value) << "a refused field keeps its member: \"" << text << '"';
    }
    float value = 0.0f;
    EXPECT_FALSE(ParseFieldFloat(std::string("3\0", 2), value));
}

TEST(NumberTextField, RoundsOnceStraightToFloat) {
    // Just below the midpoint between 1+2^-23 and 1+2^-22: through a double it
    // would land on the midpoint and then round to even, one float too high.
    EXPECT_EQ(std::nextafter(1.0f, 2.0f), Field("1.0000001788139343261718749"));
    EXPECT_EQ(1e-40f, Field("1e-40"));  // subnormal float kept
    EXPECT_EQ(0.0f, Field("1e-50"));    // below the smallest subnormal
    EXPECT_TRUE(std::signbit(Field("-1e-50")));
    EXPECT_EQ(0.0f, Field("0." + std::string(5000, '0') + "1"));
}

TEST(NumberTextField, LongTexts) {
    EXPECT_EQ(7.0f, Field(std::string(5000, ' ') + "7" + std::string(5000, '\t')));
    EXPECT_TRUE(std::isnan(Field(std::string(5000, 'x'))));
    EXPECT_TRUE(std::isnan(Field(std::string(5000, '9'))));
    EXPECT_EQ(1e30f, Field("1" + std::string(30, '0') + "." + std::string(4000, '0')));
}

TEST(NumberTextField, FormattedTextsReadBack) {
    EXPECT_EQ("1.5", FormatFieldFloat(1.5f));
    EXPECT_EQ("0.1", FormatFieldFloat(0.1f));
    EXPECT_EQ("100000", FormatFieldFloat(100000.0f));
    EXPECT_EQ("-0.001", FormatFieldFloat(-0.001f));
    for (float value : {0.1f, 1234567.0f, 1e-5f, -3.4e38f, 9.87654e-30f, 1e-40f}) {
        const std::string text = FormatFieldFloat(value);
        const float back = Field(text);
        EXPECT_NEAR(value, back, std::fabs(value) * 1e-5f) << text;
        EXPECT_EQ(text, FormatFieldFloat(back)) << "a rewrite would change the field";
    }
}

// A field's own text stands for its exact number; others read as they read.
TEST(NumberTextField, TheTextWrittenForANumberStandsForItExactly) {
    FieldNumber number;
    float value = 0.0f;
    EXPECT_TRUE(number.Read(number.Write(12345.678f), value) && value == 12345.678f);
    EXPECT_TRUE(number.Read("12345.70", value) && value == 12345.7f);
    number.Write(NAN);
    EXPECT_FALSE(number.Read("nan", value));
}

// printf's texts of the C locale without printf (the fuzz target compares
// them all with glibc's): the exponent has two digits on every platform, a
// NaN has no sign, and hundreds of digits come out whole.
TEST(NumberTextFormat, PrintfFormsOfTheCLocale) {
    EXPECT_EQ("1.000e-05", FormatDecimal(1e-5, DecimalForm::Exponent, 3));
    EXPECT_EQ("1e+06", FormatDecimal(1e6, DecimalForm::General, -1));
    EXPECT_EQ("-0.000", FormatDecimal(-0.0, DecimalForm::Fixed, 3));
    EXPECT_EQ("nan", FormatFieldFloat(-NAN));
    EXPECT_EQ(1u + 309u + 1u + 2u, FormatDecimal(-DBL_MAX, DecimalForm::Fixed, 2).size());
}

// printf's texts under locales whose point is not '.', as the module may meet
// them in the C runtime it shares: the point becomes '.', a comma as well as
// one of several bytes (ps_AF writes U+066B, two bytes in UTF-8), and texts
// without a point stay as they are.
TEST(DecimalText, ThePointOfAnyLocaleBecomesADot) {
    struct Case {
        const char* printed;
        const char* text;
    };
    const Case cases[] = {
        {"1,5", "1.5"},
        {"-0,000", "-0.000"},
        {"1,000e-05", "1.000e-05"},
        {"2\xD9\xAB"
         "5",
         "2.5"},
        {"-1\xD9\xAB"
         "25e+06",
         "-1.25e+06"},
        {"0\xD9\xAB"
         "001",
         "0.001"},
        {"1.5", "1.5"},
        {"100", "100"},
        {"1e+06", "1e+06"},
        {"-inf", "-inf"},
        {"nan", "nan"},
    };
    for (const Case& c : cases) {
        std::string text = c.printed;
        text.resize(PointToDot(&text[0], text.size()));
        EXPECT_EQ(c.text, text) << c.printed;
    }
}
