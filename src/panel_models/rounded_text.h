// Numbers in the panels' texts, rounded as the window has always shown them.
#pragma once

#include <string>

namespace quadrix {

// Both write what printf writes with "." as the separator, except that a value
// exactly halfway between two texts rounds away from zero: 0.125 to two
// decimals is "0.13", not "0.12".

// The value with that many decimals, as "%.*f": "-1.50" for -1.5 and 2.
std::string FixedText(double value, int decimals);

// The value to that many significant digits without trailing zeros, in exponent
// form below 1e-4 and from 10^digits on, as "%.*g": "1.5e-05" for 1.5e-5 and 3.
std::string SignificantText(double value, int digits);

}  // namespace quadrix
