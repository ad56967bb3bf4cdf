#pragma once

#include <string>
#include <string_view>

namespace quadrix {

// The decimal digits of a number as the program shows numbers: rounded to 15
// significant digits. Here always written in fixed notation with "." as the
// separator and without dropping zeros, so that digits of two numbers at the
// same place can be compared.
class DecimalDigits {
  public:
    // 3.14159265358979 for pi, 0.500000000000000 for 0.5, 4.00000000000000 for 4;
    // empty for infinities and NaN.
    static std::string Fixed(double value);

    // The longest run of leading digits that a and b written with Fixed share,
    // without a trailing separator: "3.14" for 3.1412 and 3.1449, "3" for 3.02 and
    // 3.98, empty for 2.99 and 3.01 (which share no digit though both are near 3).
    static std::string Shared(double a, double b);

    // Fixed(value) cut (not rounded) after that many decimals: cutting never
    // changes a digit that is kept, so what two values share stays visible.
    static std::string Truncated(double value, int decimals);

    // The number of digits after the separator in a digit text.
    static int Decimals(std::string_view digits);
};

}  // namespace quadrix
