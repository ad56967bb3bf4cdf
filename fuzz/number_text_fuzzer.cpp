// Fuzzes the numeric test, text to Long and the number texts. Byte 0 bit 0 picks "." or ",";
// bytes 1-4 a Long, 5-12 a Double to spell; the rest a text to convert.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "fuzz_input.h"
#include "runtime/errors.h"
#include "runtime/number_parser.h"
#include "runtime/number_text.h"

namespace quadrix::fuzzing {
namespace {

// The Long, or nothing for an overflow; a conversion error stays an exception.
std::optional<Long> Convert(std::string_view text, std::string_view separator) {
    try {
        return TextToLong(text, separator);
    } catch (const Overflow&) {
        return std::nullopt;
    }
}

// The value, "overflow" or "no number".
std::string Outcome(std::string_view text, std::string_view separator) {
    try {
        const std::optional<Long> value = Convert(text, separator);
        return value ? LongToText(*value) : "overflow";
    } catch (const ConversionError&) {
        return "no number";
    }
}

void CheckText(const std::string& text, std::string_view separator) {
    const std::string quoted = Escaped(text) + " with separator " + Escaped(separator);
    const bool converts = Outcome(text, separator) != "no number";
    Check(IsNumeric(text, separator) == converts,
          "the numeric test is true exactly when text to Long converts", quoted);
    std::string comma = text;
    std::replace(comma.begin(), comma.end(), '.', ',');
    Check(text.find(',') != std::string::npos || Outcome(text, ".") == Outcome(comma, ","),
          "the separator changes nothing but the spelling", quoted);
    if (converts && std::string_view("+- \t").find(text[0]) == std::string::npos) {
        const std::optional<Long> positive = Convert(text, separator);
        const std::optional<Long> negative = Convert("-" + text, separator);
        Check(positive ? negative == -*positive : !negative || negative == kLongMin,
              "a minus in front negates the value", quoted);
    }
}

void CheckDouble(double value, std::string_view separator) {
    const std::string text = DoubleToText(value, separator);
    char spelled[32];
    std::snprintf(spelled, sizeof spelled, "%.17g", value);
    const std::string details = spelled + (" became " + Escaped(text));
    Check(IsNumeric(text, separator) == std::isfinite(value),
          "the text of a Double is numeric exactly when the Double is finite", details);
    if (!std::isfinite(value)) {
        return;
    }
    std::string plain = text;
    std::replace(plain.begin(), plain.end(), separator.front(), '.');
    const std::string mantissa = plain.substr(0, plain.find('E'));
    const std::string significant =
        mantissa.substr(std::min(mantissa.find_first_not_of("-0."), mantissa.size()));
    Check(std::ranges::count_if(significant, [](char c) { return c != '.'; }) <= 15 &&
              !(mantissa.find('.') != std::string::npos && mantissa.ends_with('0')),
          "at most 15 significant digits, no trailing zeros", details);
    // Read back wider than a Double: the largest Doubles round to beyond it.
    const long double back = std::strtold(plain.c_str(), nullptr);
    Check(std::fabs(back - value) <= 5e-15L * std::fabs(static_cast<long double>(value)) +
                                         std::numeric_limits<double>::denorm_min(),
          "the text spells the Double to 15 significant digits", details);
    const std::optional<Long> rounded = Convert(text, separator);
    const double magnitude = std::fabs(value);
    Check(magnitude > 2147483646.0 ||
              (rounded && std::fabs(*rounded - value) <= 0.5 + 1e-14 * magnitude),
          "text to Long rounds the text of a Double in range to a neighbour", details);
    Check(magnitude < 2147483649.0 || !rounded,
          "text to Long overflows on the text of a Double out of range", details);
}

}  // namespace
}  // namespace quadrix::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quadrix::fuzzing;
    FuzzInput input(data, size);
    const std::string_view separator = (input.TakeByte() & 1U) != 0 ? "," : ".";
    const auto value = input.TakeBits<quadrix::Long>();
    const std::string longText = quadrix::LongToText(value);
    Check(Convert(longText, separator) == value && quadrix::IsNumeric(longText, separator),
          "text to Long gives every Long back from its text", Escaped(longText));
    CheckDouble(input.TakeBits<double>(), separator);
    CheckText(input.TakeRest(), separator);
    return 0;
}
