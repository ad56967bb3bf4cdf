#include "runtime/number_parser.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/errors.h"
#include "runtime/german_numeric_locale.h"

namespace quadrix {
namespace {

using testing::GermanNumericLocale;

TEST(IsNumeric, AcceptsDecimalNumbersWithBlanksSignFractionAndExponent) {
    for (const char* text : {"10", "  10 ", "\t-3", "+7", "2.5", ".5", "5.", "-0.0", "1e3", "1E+3",
                             "2.5e-1", "007", "1e999999999999999999999"}) {
        EXPECT_TRUE(IsNumeric(text, ".")) << text;
    }
}

TEST(IsNumeric, RejectsEverythingElse) {
    const std::string withNul(
        "1\0"
        "2",
        3);
    for (const std::string& text : {std::string(""),
                                    std::string("   "),
                                    std::string("Steps per Tick (100 ms)"),
                                    std::string("-"),
                                    std::string("+"),
                                    std::string("."),
                                    std::string("-."),
                                    std::string("e5"),
                                    std::string("1e"),
                                    std::string("1e+"),
                                    std::string("0x1A"),
                                    std::string("&H10"),
                                    std::string("inf"),
                                    std::string("nan"),
                                    std::string("1 000"),
                                    std::string("1,5"),
                                    std::string("--1"),
                                    std::string("1.2.3"),
                                    withNul,
                                    std::string("\xef\xbc\x91")}) {
        EXPECT_FALSE(IsNumeric(text, ".")) << text;
    }
}

TEST(TextToLong, RoundsFractionsHalfToEven) {
    EXPECT_EQ(TextToLong("2.5", "."), 2);
    EXPECT_EQ(TextToLong("3.5", "."), 4);
    EXPECT_EQ(TextToLong("-2.5", "."), -2);
    EXPECT_EQ(TextToLong("2.5000000000000000000001", "."), 3);
    EXPECT_EQ(TextToLong("0.5", "."), 0);
    EXPECT_EQ(TextToLong("0.50001", "."), 1);
    EXPECT_EQ(TextToLong("-0.4", "."), 0);
    EXPECT_EQ(TextToLong("0.05", "."), 0);
    EXPECT_EQ(TextToLong("1.5e1", "."), 15);
    EXPECT_EQ(TextToLong("25e-1", "."), 2);
    EXPECT_EQ(TextToLong("1e-999999999999999", "."), 0);
    EXPECT_EQ(TextToLong(" 000000000000000000000000042 ", "."), 42);
}

TEST(TextToLong, EdgesOfLong) {
    EXPECT_EQ(TextToLong("2147483647", "."), 2147483647);
    EXPECT_EQ(TextToLong("-2147483648", "."), -2147483647 - 1);
    EXPECT_EQ(TextToLong("2147483647.4999", "."), 2147483647);
    EXPECT_THROW(TextToLong("2147483647.5", "."), Overflow);
    EXPECT_THROW(TextToLong("2147483648", "."), Overflow);
    EXPECT_THROW(TextToLong("-2147483649", "."), Overflow);
    EXPECT_THROW(TextToLong("1e10", "."), Overflow);
    EXPECT_THROW(TextToLong("1e999999999999999999999", "."), Overflow);
    EXPECT_THROW(TextToLong(std::string(100000, '9'), "."), Overflow);
}

TEST(TextToLong, TextThatIsNoNumberRaisesAConversionError) {
    EXPECT_THROW(TextToLong("", "."), ConversionError);
    EXPECT_THROW(TextToLong("abc", "."), ConversionError);
    EXPECT_THROW(TextToLong("1e", "."), ConversionError);
    EXPECT_THROW(TextToLong(std::string("5\0", 2), "."), ConversionError);
}

TEST_F(GermanNumericLocale, TheLocalesCommaSeparatesTheFraction) {
    EXPECT_TRUE(IsNumeric("2,5"));
    EXPECT_EQ(TextToLong("2,5"), 2);
    EXPECT_EQ(TextToLong("2,51"), 3);
    EXPECT_FALSE(IsNumeric("2.5"));
}

}  // namespace
}  // namespace quadrix
