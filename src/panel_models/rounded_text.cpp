// Numbers in the panels' texts, rounded as the window has always shown them.
#include "panel_models/rounded_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace quadrix {
namespace {

// More decimals than the exact value of any double has, subnormals included.
constexpr int kAllDigits = 1100;

std::string Printed(const char* format, int precision, double value) {
    const int length = std::snprintf(nullptr, 0, format, precision, value);
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, format, precision, value);
    return text;
}

// Whether the value lies exactly halfway between two texts of the format with
// that many places: its exact digits go on with a 5 and then zeros only.
bool IsExactHalf(const char* format, int places, double value) {
    // Rounded to one place more a half ends in a 5; most values stop here.
    const std::string rounded = Printed(format, places + 1, value);
    const std::size_t last = std::min(rounded.find('e'), rounded.size()) - 1;
    if (rounded[last] != '5') {
        return false;
    }
    const std::string exact = Printed(format, places + kAllDigits, value);
    const std::size_t end = std::min(exact.find('e'), exact.size());
    return exact[last] == '5' && exact.find_first_not_of('0', last + 1) >= end;
}

// printf rounds an exact half to the even digit. One step away from zero makes it
// round away from zero and changes nothing else: no text ends between a half
// and the next double.
double AwayFromZero(double value) {
    return std::nextafter(value, std::copysign(std::numeric_limits<double>::infinity(), value));
}

}  // namespace

std::string FixedText(double value, int decimals) {
    const bool half = IsExactHalf("%.*f", decimals, value);
    return Printed("%.*f", decimals, half ? AwayFromZero(value) : value);
}

std::string SignificantText(double value, int digits) {
    const bool half = IsExactHalf("%.*e", digits - 1, value);
    return Printed("%.*g", digits, half ? AwayFromZero(value) : value);
}

}  // namespace quadrix
