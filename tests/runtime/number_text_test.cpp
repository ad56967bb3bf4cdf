// Tests of the number texts the program shows.
#include <gtest/gtest.h>

#include <limits>
#include <numbers>
#include <utility>

#include "runtime/number_text.h"

namespace quadrix {

TEST(NumberText, DoublesShowFifteenDigitsWithoutTrailingZeros) {
    using Case = std::pair<double, const char*>;
    for (const auto& [value, text] :
         {Case{-0.0, "0"}, Case{-1.25, "-1.25"}, Case{std::numbers::pi, "3.14159265358979"},
          Case{2.0 / 3.0, "0.666666666666667"}, Case{0.1 + 0.2, "0.3"},
          Case{9.9999999999999999, "10"}, Case{999999999999999.9, "1E+15"},
          Case{123456789012345.0, "123456789012345"}, Case{-1.5e15, "-1.5E+15"},
          Case{0.0001234, "0.0001234"}, Case{0.00001234, "1.234E-05"},
          Case{-4.0 / 2147483648.0, "-1.86264514923096E-09"}, Case{1e-300, "1E-300"},
          Case{std::numeric_limits<double>::max(), "1.79769313486232E+308"}}) {
        EXPECT_EQ(DoubleToText(value, "."), text) << value;
    }
}

}  // namespace quadrix
