// The texts of the numbers the program shows.
#include "runtime/number_text.h"

#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace quadrix {
namespace {

constexpr int kFirstExponentForm = 15;
constexpr int kLastPlainNegativeExponent = -4;

// Set once at start-up, before the event loop and any worker thread run.
std::string& UserSeparator() {
    static std::string separator;
    return separator;
}

// The rounded digits without their trailing zeros (at least one digit stays).
RoundedDigits WithoutTrailingZeros(RoundedDigits decimal) {
    while (decimal.digits.size() > 1 && decimal.digits.back() == '0') {
        decimal.digits.pop_back();
    }
    return decimal;
}

std::string ExponentForm(const RoundedDigits& decimal, std::string_view separator) {
    std::string text(1, decimal.digits.front());
    if (decimal.digits.size() > 1) {
        text.append(separator).append(decimal.digits, 1);
    }
    const int exponentMagnitude = std::abs(decimal.exponent);
    text.append(decimal.exponent < 0 ? "E-" : "E+");
    if (exponentMagnitude < 10) {
        text.push_back('0');
    }
    return text.append(std::to_string(exponentMagnitude));
}

}  // namespace

std::string FixedNotation(const RoundedDigits& decimal, std::string_view separator) {
    std::string text;
    if (decimal.exponent < 0) {
        text.append("0").append(separator);
        text.append(static_cast<std::size_t>(-decimal.exponent - 1), '0');
        return text.append(decimal.digits);
    }
    const auto integerDigits = static_cast<std::size_t>(decimal.exponent) + 1;
    if (decimal.digits.size() <= integerDigits) {
        text.append(decimal.digits);
        return text.append(integerDigits - decimal.digits.size(), '0');
    }
    text.append(decimal.digits, 0, integerDigits).append(separator);
    return text.append(decimal.digits, integerDigits);
}

RoundedDigits RoundToSignificantDigits(double magnitude) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t exponentAt = text.find('e');

    RoundedDigits decimal;
    for (const char c : text.substr(0, exponentAt)) {
        if (c != '.') {
            decimal.digits.push_back(c);
        }
    }
    decimal.exponent = std::atoi(std::string(text.substr(exponentAt + 1)).c_str());
    return decimal;
}

std::string DecimalSeparator() {
    if (!UserSeparator().empty()) {
        return UserSeparator();
    }
    const std::lconv* conventions = std::localeconv();
    if (conventions == nullptr || conventions->decimal_point == nullptr ||
        conventions->decimal_point[0] == '\0') {
        return ".";
    }
    return conventions->decimal_point;
}

void UseDecimalSeparator(std::string separator) {
    UserSeparator() = std::move(separator);
}

std::string LongToText(Long value) {
    return std::to_string(value);
}

std::string DoubleToText(double value) {
    return DoubleToText(value, DecimalSeparator());
}

std::string DoubleToText(double value, std::string_view separator) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Infinity" : "Infinity";
    }
    if (value == 0.0) {
        return "0";  // negative zero too
    }
    const RoundedDigits decimal = WithoutTrailingZeros(RoundToSignificantDigits(std::fabs(value)));
    const bool exponentForm =
        decimal.exponent >= kFirstExponentForm || decimal.exponent < kLastPlainNegativeExponent;
    const std::string body =
        exponentForm ? ExponentForm(decimal, separator) : FixedNotation(decimal, separator);
    return value < 0 ? std::string("-").append(body) : body;
}

}  // namespace quadrix
