#include "runtime/number_parser.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/errors.h"

namespace quadrix {
namespace {

using namespace std::string_literals;

TEST(IsNumeric, AcceptsDecimalNumbersWithBlanksSignFractionAndExponentOnly) {
    for (const char* text :
         {"  10 ", "\t-3", "+7", ".5", "5.", "1E+3", "2.5e-1", "1e99999999999"}) {
        EXPECT_TRUE(IsNumeric(text, ".")) << text;
    }
    // "1\0002" is 1, NUL, 2.
    for (const std::string& text :
         {""s, "   "s, "-"s, "."s, "-."s, "e5"s, "1e"s, "1e+"s, "0x1A"s, "&H10"s, "inf"s, "nan"s,
          "1 000"s, "1,5"s, "--1"s, "1.2.3"s, "1\0002"s, "\xef\xbc\x91"s}) {
        EXPECT_FALSE(IsNumeric(text, ".")) << text;
    }
}

TEST(TextToLong, RoundsHalfToEvenAndFailsBeyondLongOrOnNonNumbers) {
    const struct {
        const char* text;
        Long value;
    } cases[] = {{"2.5", 2},
                 {"3.5", 4},
                 {"-2.5", -2},
                 {"2.5000000000000000000001", 3},
                 {"0.50001", 1},
                 {"-0.4", 0},
                 {"1.5e1", 15},
                 {"25e-1", 2},
                 {"1e-999999999999999", 0},
                 {" 000000000000000000000000042 ", 42},
                 {"2147483646.5", 2147483646},
                 {"2147483647.4999", 2147483647},
                 {"-2147483648", -2147483647 - 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(TextToLong(c.text, "."), c.value) << c.text;
    }
    for (const std::string& text : {"2147483647.5"s, "2147483648"s, "-2147483649"s, "1e10"s,
                                    "1e999999999999999999999"s, std::string(100000, '9')}) {
        EXPECT_THROW(TextToLong(text, "."), Overflow) << text;
    }
    for (const std::string& text : {""s, "abc"s, "5\0"s}) {
        EXPECT_THROW(TextToLong(text, "."), ConversionError) << text;
    }
}

}  // namespace
}  // namespace quadrix
