// Tests of reading a Long from text.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "runtime/errors.h"
#include "runtime/number_parser.h"

namespace quadrix {

using namespace std::string_literals;

TEST(NumberParser, ReadsEveryFormOfDecimalNumber) {
    for (const auto& [text, value] :
         {std::pair{"  10 ", 10}, std::pair{"\t-3", -3}, std::pair{"+7", 7}, std::pair{".5", 0},
          std::pair{"5.", 5}, std::pair{"1E+3", 1000}, std::pair{"25e-1", 2},
          std::pair{" 000000000000000000000000042 ", 42}, std::pair{"-2147483648", kLongMin}}) {
        EXPECT_EQ(TextToLong(text, "."), value) << text;
    }
}

TEST(NumberParser, RoundsHalfToEven) {
    for (const auto& [text, value] :
         {std::pair{"2.5", 2}, std::pair{"3.5", 4}, std::pair{"-2.5", -2},
          std::pair{"2.5000000000000000000001", 3}, std::pair{"0.50001", 1}, std::pair{"-0.4", 0},
          std::pair{"1.5e1", 15}, std::pair{"2.5e-1", 0}, std::pair{"1e-999999999999999", 0},
          std::pair{"2147483646.5", 2147483646}, std::pair{"2147483647.4999", 2147483647}}) {
        EXPECT_EQ(TextToLong(text, "."), value) << text;
    }
}

TEST(NumberParser, RejectsTextThatSpellsNoNumber) {
    // "1\0002" is 1, NUL, 2.
    for (const std::string& text :
         {""s, "   "s, "-"s, "."s, "-."s, "e5"s, "1e"s, "1e+"s, "0x1A"s, "&H10"s, "inf"s, "nan"s,
          "1 000"s, "1,5"s, "--1"s, "1.2.3"s, "1\0002"s, "\xef\xbc\x91"s}) {
        EXPECT_THROW(TextToLong(text, "."), ConversionError) << text;
    }
}

TEST(NumberParser, NumbersOutsideLongOverflow) {
    for (const std::string& text : {"2147483647.5"s, "2147483648"s, "-2147483649"s, "1e10"s,
                                    "1e999999999999999999999"s, std::string(100000, '9')}) {
        EXPECT_THROW(TextToLong(text, "."), Overflow) << text;
    }
}

}  // namespace quadrix
