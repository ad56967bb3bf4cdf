// The decimal digits of numbers as the program shows them, for comparing two numbers' digits.
#pragma once

#include <string>
#include <string_view>

namespace quadrix {

// The digits of a number as the program shows numbers: rounded to 15 significant
// digits. Here always written in fixed notation with "." as the separator and
// without dropping zeros, so that digits of two numbers at the same place can be
// compared.

// 3.14159265358979 for pi, 0.500000000000000 for 0.5, 4.00000000000000 for 4;
// empty for infinities and NaN.
std::string FixedDigits(double value);

// The longest run of leading digits that a and b written with FixedDigits share,
// without a trailing separator: "3.14" for 3.1412 and 3.1449, "3" for 3.02 and
// 3.98, empty for 2.99 and 3.01 (which share no digit though both are near 3).
std::string SharedDigits(double a, double b);

// FixedDigits(value) cut (not rounded) after that many decimals: cutting never
// changes a digit that is kept, so what two values share stays visible.
std::string TruncatedDigits(double value, int decimals);

// The number of digits after the separator in a digit text.
int DecimalsIn(std::string_view digits);

}  // namespace quadrix
