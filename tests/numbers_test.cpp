#include "platform/numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <cmath>
#include <limits>
#include <string>

namespace tremaro {
namespace {

TEST(TextToNumber, readsSignedDecimalsAndExponents) {
    EXPECT_DOUBLE_EQ(TextToNumber(u"495"), 495);
    EXPECT_DOUBLE_EQ(TextToNumber(u"-74880"), -74880);
    EXPECT_DOUBLE_EQ(TextToNumber(u"+8.25"), 8.25);
    EXPECT_DOUBLE_EQ(TextToNumber(u".5"), 0.5);
    EXPECT_DOUBLE_EQ(TextToNumber(u"5."), 5);
    EXPECT_DOUBLE_EQ(TextToNumber(u"1E3"), 1000);
    EXPECT_DOUBLE_EQ(TextToNumber(u"2d2"), 200);
    EXPECT_DOUBLE_EQ(TextToNumber(u"1.5e-1"), 0.15);
}

// Exactly the double nearest the decimal, as strtod gives it: a font size read a hair off
// would be cut to the hundredth below.
TEST(TextToNumber, readsADecimalAsTheDoubleNearestIt) {
    for (const char* decimal : {"0.3", "8.25", "12.37", "2.675", "1.005", "-0.07", "123456.789012345",
                                "99999999999999.9", "0.000000000000001", "9007199254740993", "1234567890.1234567"}) {
        const std::string text(decimal);
        EXPECT_EQ(TextToNumber(std::u16string(text.begin(), text.end())), std::strtod(decimal, nullptr)) << decimal;
    }
}

TEST(TextToNumber, dropsBlanksWhereverTheyStand) {
    EXPECT_DOUBLE_EQ(TextToNumber(u"  1 2 0"), 120);
    EXPECT_DOUBLE_EQ(TextToNumber(u"& H10"), 16);
    EXPECT_DOUBLE_EQ(TextToNumber(u"\t-\n5"), -5);
    EXPECT_DOUBLE_EQ(TextToNumber(u"1 E 2"), 100);
}

TEST(TextToNumber, stopsAtTheFirstCharacterThatCannotContinue) {
    EXPECT_DOUBLE_EQ(TextToNumber(u"120%"), 120);
    EXPECT_DOUBLE_EQ(TextToNumber(u"1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(TextToNumber(u"12abc"), 12);
    EXPECT_DOUBLE_EQ(TextToNumber(u"8.25     '"), 8.25);
    EXPECT_DOUBLE_EQ(TextToNumber(u"1E"), 1);
    EXPECT_DOUBLE_EQ(TextToNumber(u"1E+"), 1);
    EXPECT_DOUBLE_EQ(TextToNumber(u"1Ex5"), 1);
    EXPECT_DOUBLE_EQ(TextToNumber(u"3\u0661"), 3);  // an Arabic-Indic digit is no digit
}

TEST(TextToNumber, readsHexadecimalAndOctalAsUnsigned) {
    EXPECT_DOUBLE_EQ(TextToNumber(u"&H10"), 16);
    EXPECT_DOUBLE_EQ(TextToNumber(u"&hff"), 255);
    EXPECT_DOUBLE_EQ(TextToNumber(u"&HFFFF"), 65535);
    EXPECT_DOUBLE_EQ(TextToNumber(u"&O17"), 15);
    EXPECT_DOUBLE_EQ(TextToNumber(u"&o19"), 1);
    EXPECT_DOUBLE_EQ(TextToNumber(u"&H80000000&"), 2147483648.0);
}

// Where the number stands, as Val took it in: the correction replaces exactly these characters.
TEST(ReadNumber, tellsWhereTheNumberStands) {
    auto place = [](std::u16string_view text) {
        const NumberReading reading = ReadNumber(text);
        return std::u16string(text.substr(reading.first, reading.end - reading.first));
    };
    EXPECT_EQ(place(u"   495 "), u"495");
    EXPECT_EQ(place(u"  -74880'x"), u"-74880");
    EXPECT_EQ(place(u" 1 2 0 x"), u"1 2 0");
    EXPECT_EQ(place(u"\t& H10&"), u"& H10");
    EXPECT_EQ(place(u"&O17 "), u"&O17");
    EXPECT_EQ(place(u"1.2.3"), u"1.2");
    EXPECT_EQ(place(u" 5.  "), u"5.");
    EXPECT_EQ(place(u"1E3x"), u"1E3");
    EXPECT_EQ(place(u"1E+x"), u"1");
    EXPECT_EQ(place(u"-.5E-1 9"), u"-.5E-1 9");
    EXPECT_EQ(place(u"  +8.25     "), u"+8.25");
    EXPECT_EQ(place(u"12345678901234567890 "), u"12345678901234567890");
    const NumberReading none = ReadNumber(u"  abc");
    EXPECT_FALSE(none.found);
    EXPECT_EQ(none.end, 0u);
}

TEST(TextToNumber, givesZeroWithoutANumber) {
    for (const std::u16string_view text :
         {u"", u"   ", u"abc", u"-", u"+.", u".", u"E5", u"-&H10", u"&H", u"&X1", u"\"5318;67\"", u"\uFF15"}) {
        const NumberReading reading = ReadNumber(text);
        EXPECT_FALSE(reading.found) << std::string(text.begin(), text.end());
        EXPECT_EQ(reading.value, 0);
    }
    EXPECT_TRUE(ReadNumber(u"0").found);
    EXPECT_TRUE(ReadNumber(u"&H0").found);
}

TEST(TextToNumber, overflowGivesInfinity) {
    EXPECT_EQ(TextToNumber(u"1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(TextToNumber(u"-9E999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(TextToNumber(u"1e-999"), 0);
}

// Form files write "." whatever the operator's locale. de_DE reads and writes ","; the test
// build makes that locale for itself, so that this check cannot pass by default.
TEST(Numbers, ignoreTheLocalesDecimalComma) {
    ::setenv("LOCPATH", TREMARO_TEST_LOCALES, 1);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "the test build's de_DE.UTF-8 locale is missing";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_DOUBLE_EQ(TextToNumber(u"8.25"), 8.25);
    EXPECT_DOUBLE_EQ(TextToNumber(u"8,25"), 8);
    EXPECT_EQ(NumberToText(9.9), u"9.9");
    EXPECT_EQ(NumberToText(-1234567.25), u"-1234567.25");
    std::setlocale(LC_ALL, "C");
}

TEST(RoundToInteger, tiesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundToInteger(22.5), 22);
    EXPECT_EQ(RoundToInteger(37.5), 38);
    EXPECT_EQ(RoundToInteger(-22.5), -22);
    EXPECT_EQ(RoundToInteger(0.5), 0);
    EXPECT_EQ(RoundToInteger(1.5), 2);
    EXPECT_EQ(RoundToInteger(2.4999), 2);
    EXPECT_EQ(RoundToInteger(-0.4), 0);
}

TEST(RoundToInteger, refusesWhatA32BitIntegerCannotHold) {
    EXPECT_EQ(RoundToInteger(2147483647.4), 2147483647);
    EXPECT_EQ(RoundToInteger(-2147483648.4), -2147483647 - 1);
    EXPECT_FALSE(RoundToInteger(2147483647.5));
    EXPECT_FALSE(RoundToInteger(-2147483649.0));
    EXPECT_FALSE(RoundToInteger(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(RoundToInteger(std::nan("")));
}

TEST(NumberToText, writesTheShortestFormWithAPoint) {
    EXPECT_EQ(NumberToText(9.9), u"9.9");
    EXPECT_EQ(NumberToText(13.3), u"13.3");
    EXPECT_EQ(NumberToText(10), u"10");
    EXPECT_EQ(NumberToText(0.5), u"0.5");
    EXPECT_EQ(NumberToText(-0.05), u"-0.05");
    EXPECT_EQ(NumberToText(1200), u"1200");
    EXPECT_EQ(NumberToText(-75000), u"-75000");
    EXPECT_EQ(NumberToText(999999999999999.0), u"999999999999999");
    EXPECT_EQ(NumberToText(1e15), u"1E+15");
    EXPECT_EQ(NumberToText(-1e15), u"-1E+15");
    EXPECT_EQ(NumberToText(0.0), u"0");
    EXPECT_EQ(NumberToText(-0.0), u"0");
    EXPECT_EQ(NumberToText(1097.0 / 100), u"10.97");
}

TEST(NumberToText, roundsToFifteenSignificantDigits) {
    EXPECT_EQ(NumberToText(0.1 + 0.2), u"0.3");
    EXPECT_EQ(NumberToText(123456789012345.67), u"123456789012346");
    EXPECT_EQ(NumberToText(999999999999999.9), u"1E+15");
    EXPECT_EQ(NumberToText(1.0 / 3), u"0.333333333333333");
}

TEST(NumberToText, usesTheExponentFormFromOneE15) {
    EXPECT_EQ(NumberToText(1e15), u"1E+15");
    EXPECT_EQ(NumberToText(4.5e100), u"4.5E+100");
    EXPECT_EQ(NumberToText(-2.5e20), u"-2.5E+20");
    EXPECT_EQ(NumberToText(999999999999999.0), u"999999999999999");
}

}  // namespace
}  // namespace tremaro
