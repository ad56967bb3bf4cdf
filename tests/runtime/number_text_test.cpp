#include "runtime/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <numbers>
#include <string>

#include "runtime/number_parser.h"

namespace quadrix {
namespace {

TEST(LongToText, PlainDigitsWithMinusSign) {
    EXPECT_EQ(LongToText(1073741824), "1073741824");
    EXPECT_EQ(LongToText(std::numeric_limits<Long>::min()), "-2147483648");
}

TEST(DoubleToText, FifteenSignificantDigitsWithoutTrailingZerosOrSignOfZero) {
    EXPECT_EQ(DoubleToText(-0.0, "."), "0");
    EXPECT_EQ(DoubleToText(1024.0, "."), "1024");
    EXPECT_EQ(DoubleToText(-1.25, "."), "-1.25");
    EXPECT_EQ(DoubleToText(std::numbers::pi, "."), "3.14159265358979");
    EXPECT_EQ(DoubleToText(2.0 / 3.0, "."), "0.666666666666667");
    EXPECT_EQ(DoubleToText(0.1 + 0.2, "."), "0.3");
}

TEST(DoubleToText, RoundingCarriesIntoTheNextDecade) {
    EXPECT_EQ(DoubleToText(9.9999999999999999, "."), "10");
    EXPECT_EQ(DoubleToText(0.99999999999999999, "."), "1");
    EXPECT_EQ(DoubleToText(999999999999999.9, "."), "1E+15");
}

TEST(DoubleToText, ExponentFormOnlyBeyondFifteenPlainDigits) {
    EXPECT_EQ(DoubleToText(123456789012345.0, "."), "123456789012345");
    EXPECT_EQ(DoubleToText(1.5e15, "."), "1.5E+15");
    EXPECT_EQ(DoubleToText(0.0001234, "."), "0.0001234");
    EXPECT_EQ(DoubleToText(4.0 / 2147483648.0, "."), "1.86264514923096E-09");
    EXPECT_EQ(DoubleToText(1e-300, "."), "1E-300");
    EXPECT_EQ(DoubleToText(std::numeric_limits<double>::max(), ","), "1,79769313486232E+308");
}

// Switches LC_NUMERIC to a German locale for the test, or skips the test when
// the machine has none generated.
class GermanNumericLocale : public ::testing::Test {
  protected:
    void SetUp() override {
        saved_ = std::setlocale(LC_NUMERIC, nullptr);
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
            if (std::setlocale(LC_NUMERIC, name) != nullptr) {
                return;
            }
        }
        GTEST_SKIP() << "no German locale on this machine";
    }
    void TearDown() override { std::setlocale(LC_NUMERIC, saved_.c_str()); }

  private:
    std::string saved_;
};

TEST_F(GermanNumericLocale, NumbersAreWrittenAndReadWithTheLocalesDecimalComma) {
    EXPECT_EQ(DecimalSeparator(), ",");
    EXPECT_EQ(DoubleToText(3.49570906810244), "3,49570906810244");
    EXPECT_EQ(DoubleToText(1.5e15), "1,5E+15");
    EXPECT_TRUE(IsNumeric("2,5"));
    EXPECT_FALSE(IsNumeric("2.5"));
    EXPECT_EQ(TextToLong("2,5"), 2);
    EXPECT_EQ(TextToLong("2,51"), 3);
}

}  // namespace
}  // namespace quadrix
