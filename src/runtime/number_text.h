// The texts of the numbers the program shows.
#pragma once

#include <string>
#include <string_view>

#include "runtime/long_arithmetic.h"

namespace quadrix {

// The program shows numbers to this many significant digits.
constexpr int kSignificantDigits = 15;

// A finite, non-negative value rounded to kSignificantDigits significant digits:
// all of them, trailing zeros kept, and the decimal exponent of the first.
struct RoundedDigits {
    std::string digits;
    int exponent = 0;
};
RoundedDigits RoundToSignificantDigits(double magnitude);

// The digits written out without an exponent: a leading "0" and zeros after the
// separator below 1, zeros up to the separator for large values, and the
// separator only where digits follow it.
std::string FixedNotation(const RoundedDigits& decimal, std::string_view separator);

// The decimal separator of the user's locale, as the C library's LC_NUMERIC
// category currently holds it, unless the program has been told the user's.
std::string DecimalSeparator();

// Where the C library does not follow the user's own settings (Windows), the
// start-up tells the separator here before any number is shown; an empty one
// hands the answer back to the C library.
void UseDecimalSeparator(std::string separator);

// Plain decimal digits, with a leading "-" when negative.
std::string LongToText(Long value);

// General number format: at most 15 significant digits, no trailing zeros, no
// separator for integral values, a leading zero below 1, and exponent form
// ("1.5E+15", "1.86264514923096E-09") only for magnitudes of 1E+15 and more or
// below 1E-04, which 15 plain digits cannot show.
std::string DoubleToText(double value);
std::string DoubleToText(double value, std::string_view separator);

}  // namespace quadrix
