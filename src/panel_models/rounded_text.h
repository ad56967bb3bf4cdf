// Numbers in the panels' texts, written as printf writes them in the "C" locale.
#pragma once

#include <string>

namespace quadrix {

// With "." as the separator whatever the locale. An exact half rounds to the
// even digit; the values shown here (counts, errors of an estimate against pi,
// fitted slopes) never fall on one.

// The value with that many decimals, as "%.*f": "-1.50" for -1.5 and 2.
std::string FixedText(double value, int decimals);

// The value to that many significant digits without trailing zeros, in exponent
// form below 1e-4 and from 10^digits on, as "%.*g": "1.5e-05" for 1.5e-5 and 3.
std::string SignificantText(double value, int digits);

}  // namespace quadrix
