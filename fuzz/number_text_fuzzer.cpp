// Fuzzes the numeric test, text to Long and the number texts. The input is a
// separator choice, a Long and a Double as raw bits, and a text:
//   byte 0      bit 0 picks the decimal separator, "." or ","
//   bytes 1-4   a Long that must survive LongToText and TextToLong unchanged
//   bytes 5-12  a Double whose text must be numeric and spell it to 15 digits
//   the rest    a text for the numeric test and text to Long
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "fuzz_failure.h"
#include "fuzz_input.h"
#include "runtime/errors.h"
#include "runtime/number_parser.h"
#include "runtime/number_text.h"

namespace quadrix::fuzzing {
namespace {

constexpr int kSignificantDigits = 15;
constexpr double kLongMax = std::numeric_limits<Long>::max();

enum class Outcome { kValue, kConversionError, kOverflow };

struct Conversion {
    Outcome outcome = Outcome::kValue;
    Long value = 0;

    bool operator==(const Conversion&) const = default;
};

Conversion Convert(std::string_view text, std::string_view separator) {
    try {
        return {Outcome::kValue, TextToLong(text, separator)};
    } catch (const ConversionError&) {
        return {Outcome::kConversionError};
    } catch (const Overflow&) {
        return {Outcome::kOverflow};
    }
}

std::string Describe(const Conversion& conversion) {
    switch (conversion.outcome) {
        case Outcome::kConversionError:
            return "conversion error";
        case Outcome::kOverflow:
            return "overflow";
        case Outcome::kValue:
            break;
    }
    return LongToText(conversion.value);
}

std::string Quoted(std::string_view text, std::string_view separator) {
    return Escaped(text) + " with separator " + Escaped(separator);
}

std::string Replaced(std::string text, char from, char to) {
    for (char& c : text) {
        if (c == from) {
            c = to;
        }
    }
    return text;
}

void CheckNumericTestAgreesWithConversion(std::string_view text, std::string_view separator) {
    const bool numeric = IsNumeric(text, separator);
    const Conversion conversion = Convert(text, separator);
    if (numeric == (conversion.outcome == Outcome::kConversionError)) {
        FuzzFailure("the numeric test is true exactly when text to Long converts",
                    Quoted(text, separator) + ": numeric " + (numeric ? "yes" : "no") +
                        ", text to Long gives " + Describe(conversion));
    }
}

// "." and "," spell the same number, each under its own separator.
void CheckSeparatorIsOnlyASpelling(const std::string& text) {
    if (text.find(',') != std::string::npos) {
        return;
    }
    const Conversion withPoint = Convert(text, ".");
    const Conversion withComma = Convert(Replaced(text, '.', ','), ",");
    if (!(withPoint == withComma)) {
        FuzzFailure("the separator changes nothing but the spelling",
                    Escaped(text) + " gives " + Describe(withPoint) + " with \".\" but " +
                        Describe(withComma) + " with \",\"");
    }
}

// A minus in front negates the value; -2147483648 is the one value whose
// positive counterpart overflows.
void CheckMinusNegates(const std::string& text, std::string_view separator) {
    if (text.empty() || text[0] == '+' || text[0] == '-' || text[0] == ' ' || text[0] == '\t') {
        return;
    }
    const Conversion positive = Convert(text, separator);
    const Conversion negative = Convert("-" + text, separator);
    bool agrees = false;
    switch (positive.outcome) {
        case Outcome::kConversionError:
            agrees = negative.outcome == Outcome::kConversionError;
            break;
        case Outcome::kOverflow:
            agrees = negative.outcome == Outcome::kOverflow ||
                     (negative.outcome == Outcome::kValue &&
                      negative.value == std::numeric_limits<Long>::min());
            break;
        case Outcome::kValue:
            agrees = negative.outcome == Outcome::kValue && negative.value == -positive.value;
            break;
    }
    if (!agrees) {
        FuzzFailure("a minus in front negates the value",
                    Quoted(text, separator) + " gives " + Describe(positive) +
                        ", with a minus in front " + Describe(negative));
    }
}

void CheckLongRoundTrip(Long value, std::string_view separator) {
    const std::string text = LongToText(value);
    const Conversion back = Convert(text, separator);
    if (!(back == Conversion{Outcome::kValue, value}) || !IsNumeric(text, separator)) {
        FuzzFailure(
            "text to Long gives every Long back from its text",
            std::to_string(value) + " became " + Escaped(text) + ", which gives " + Describe(back));
    }
}

// All 17 digits that tell a Double apart from its neighbours.
std::string Spelled(double value) {
    std::array<char, 32> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.17g", value);
    return buffer.data();
}

int SignificantDigits(std::string_view text) {
    const std::size_t exponentAt = text.find('E');
    const std::string_view mantissa = text.substr(0, exponentAt);
    std::string digits;
    for (const char c : mantissa) {
        if (c >= '0' && c <= '9') {
            digits += c;
        }
    }
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? 0 : static_cast<int>(digits.size() - first);
}

bool HasTrailingFractionZero(std::string_view text, std::string_view separator) {
    const std::string_view mantissa = text.substr(0, text.find('E'));
    return mantissa.find(separator) != std::string_view::npos && mantissa.back() == '0';
}

void CheckTextToLongOfDouble(double value, const std::string& text, std::string_view separator) {
    const Conversion conversion = Convert(text, separator);
    const double magnitude = std::fabs(value);
    if (magnitude <= kLongMax - 1.0) {
        const bool rounded = conversion.outcome == Outcome::kValue &&
                             std::fabs(conversion.value - value) <= 0.5 + 1e-14 * magnitude;
        if (!rounded) {
            FuzzFailure("text to Long rounds the text of a Double in range to a neighbour",
                        Escaped(text) + " gives " + Describe(conversion));
        }
    } else if (magnitude >= kLongMax + 2.0 && conversion.outcome != Outcome::kOverflow) {
        FuzzFailure("text to Long overflows on the text of a Double out of range",
                    Escaped(text) + " gives " + Describe(conversion));
    }
}

void CheckDoubleText(double value, std::string_view separator) {
    const std::string text = DoubleToText(value, separator);
    const std::string details = Spelled(value) + " became " + Escaped(text);
    if (!std::isfinite(value)) {
        if (IsNumeric(text, separator)) {
            FuzzFailure("the text of an infinity or a NaN is no number", details);
        }
        return;
    }
    if (!IsNumeric(text, separator)) {
        FuzzFailure("the text of a finite Double is numeric", details);
    }
    if (SignificantDigits(text) > kSignificantDigits || HasTrailingFractionZero(text, separator)) {
        FuzzFailure("at most 15 significant digits, no trailing zeros", details);
    }
    // Read back wider than a Double: rounded to 15 digits, the largest Doubles
    // spell values beyond the largest Double.
    const std::string plain = Replaced(text, separator.front(), '.');
    const long double spelled = std::strtold(plain.c_str(), nullptr);
    const long double tolerance = 5e-15L * std::fabs(static_cast<long double>(value)) +
                                  std::numeric_limits<double>::denorm_min();
    if (std::fabs(spelled - value) > tolerance) {
        FuzzFailure("the text spells the Double to 15 significant digits", details);
    }
    CheckTextToLongOfDouble(value, text, separator);
}

}  // namespace
}  // namespace quadrix::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quadrix::fuzzing;
    FuzzInput input(data, size);
    const std::string_view separator = (input.TakeByte() & 1U) != 0 ? "," : ".";
    const auto value = input.TakeBits<quadrix::Long>();
    const auto number = input.TakeBits<double>();
    const std::string text = input.TakeRest();

    CheckLongRoundTrip(value, separator);
    CheckDoubleText(number, separator);
    CheckNumericTestAgreesWithConversion(text, separator);
    CheckSeparatorIsOnlyASpelling(text);
    CheckMinusNegates(text, separator);
    return 0;
}
