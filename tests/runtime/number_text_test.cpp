#include "runtime/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <numbers>
#include <string>

#include "runtime/number_parser.h"

namespace quadrix {
namespace {

TEST(NumberText, LongsAsPlainDigitsDoublesToFifteenDigitsWithoutTrailingZeros) {
    EXPECT_EQ(LongToText(std::numeric_limits<Long>::min()), "-2147483648");
    const struct {
        double value;
        const char* text;
    } cases[] = {{-0.0, "0"},
                 {1024.0, "1024"},
                 {-1.25, "-1.25"},
                 {std::numbers::pi, "3.14159265358979"},
                 {2.0 / 3.0, "0.666666666666667"},
                 {0.1 + 0.2, "0.3"},
                 {9.9999999999999999, "10"},
                 {0.99999999999999999, "1"},
                 {999999999999999.9, "1E+15"},
                 {123456789012345.0, "123456789012345"},
                 {-1.5e15, "-1.5E+15"},
                 {0.0001234, "0.0001234"},
                 {-4.0 / 2147483648.0, "-1.86264514923096E-09"},
                 {1e-300, "1E-300"},
                 {std::numeric_limits<double>::max(), "1.79769313486232E+308"}};
    for (const auto& c : cases) {
        EXPECT_EQ(DoubleToText(c.value, "."), c.text);
    }
}

TEST(NumberText, NumbersAreWrittenAndReadWithTheLocalesDecimalSeparator) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "no German locale on this machine";
    }
    EXPECT_EQ(DoubleToText(3.49570906810244), "3,49570906810244");
    EXPECT_EQ(DoubleToText(1.5e15), "1,5E+15");
    EXPECT_FALSE(IsNumeric("2.5"));
    EXPECT_EQ(TextToLong("2,5"), 2);
    EXPECT_EQ(TextToLong("2,51"), 3);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
}  // namespace quadrix
