// The decimal digits of numbers as the program shows them, for comparing two numbers' digits.
#include "panel_models/decimal_digits.h"

#include <cmath>
#include <cstddef>

#include "runtime/number_text.h"

namespace quadrix {
namespace {

std::size_t IntegerLength(std::string_view digits) {
    const std::size_t separator = digits.find('.');
    return separator == std::string_view::npos ? digits.size() : separator;
}

}  // namespace

std::string FixedDigits(double value) {
    if (!std::isfinite(value)) {
        return {};
    }
    if (std::signbit(value) && value != 0.0) {
        return '-' + FixedDigits(-value);
    }
    return FixedNotation(RoundToSignificantDigits(value), ".");
}

std::string SharedDigits(double a, double b) {
    const std::string first = FixedDigits(a);
    const std::string second = FixedDigits(b);
    // Digits at the same place only: 10.2 and 1.02 share no "1".
    if (IntegerLength(first) != IntegerLength(second)) {
        return {};
    }
    std::size_t length = 0;
    while (length < first.size() && length < second.size() && first[length] == second[length]) {
        ++length;
    }
    std::string shared = first.substr(0, length);
    if (!shared.empty() && shared.back() == '.') {
        shared.pop_back();
    }
    if (shared == "-") {
        shared.clear();
    }
    return shared;
}

std::string TruncatedDigits(double value, int decimals) {
    std::string digits = FixedDigits(value);
    if (digits.empty()) {
        return digits;
    }
    if (digits.find('.') == std::string::npos) {
        digits += '.';
    }
    const std::size_t wanted =
        IntegerLength(digits) + (decimals > 0 ? 1 + static_cast<std::size_t>(decimals) : 0);
    // Beyond its 15 significant digits the rounded value continues with zeros.
    digits.resize(wanted, '0');
    return digits;
}

int DecimalsIn(std::string_view digits) {
    const std::size_t separator = digits.find('.');
    if (separator == std::string_view::npos) {
        return 0;
    }
    return static_cast<int>(digits.size() - separator - 1);
}

}  // namespace quadrix
