// Reading a Long from text.
#pragma once

#include <string_view>

#include "runtime/long_arithmetic.h"

namespace quadrix {

// A number is: optional blanks, an optional sign, digits with an optional
// decimal separator and fraction (at least one digit in all), an optional
// exponent ("e" or "E", optional sign, digits), optional blanks. The separator
// is the locale's unless one is given. Hex, "inf", "nan" and empty text are no numbers.
bool IsNumeric(std::string_view text);
bool IsNumeric(std::string_view text, std::string_view separator);

// The Long the text spells, its fraction rounded half to even. Raises
// ConversionError for text that is no number and Overflow for a value outside Long.
Long TextToLong(std::string_view text);
Long TextToLong(std::string_view text, std::string_view separator);

}  // namespace quadrix
