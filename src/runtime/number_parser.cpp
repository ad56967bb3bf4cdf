// Reading a Long from text.
#include "runtime/number_parser.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "runtime/errors.h"
#include "runtime/number_text.h"

namespace quadrix {
namespace {

// Exponents beyond this magnitude are clamped; every value they spell is far
// outside Long or rounds to zero either way.
constexpr std::int64_t kExponentClamp = 1'000'000'000'000LL;

struct ParsedNumber {
    bool negative = false;
    std::string digits;           // integer then fraction digits, leading zeros kept
    std::int64_t pointAfter = 0;  // position of the decimal point within digits
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

class Scanner {
  public:
    Scanner(std::string_view text, std::string_view separator)
        : text_(text), separator_(separator) {}

    std::optional<ParsedNumber> Parse() {
        SkipBlanks();
        ParsedNumber number;
        if (Peek() == '+' || Peek() == '-') {
            number.negative = Take() == '-';
        }
        const std::size_t integerDigits = TakeDigits(number.digits);
        std::size_t fractionDigits = 0;
        if (!separator_.empty() && text_.substr(pos_).starts_with(separator_)) {
            pos_ += separator_.size();
            fractionDigits = TakeDigits(number.digits);
        }
        if (integerDigits + fractionDigits == 0) {
            return std::nullopt;
        }
        number.pointAfter = static_cast<std::int64_t>(integerDigits);
        if (Peek() == 'e' || Peek() == 'E') {
            Take();
            const std::optional<std::int64_t> exponent = TakeExponent();
            if (!exponent) {
                return std::nullopt;
            }
            number.pointAfter += *exponent;
        }
        SkipBlanks();
        if (pos_ != text_.size()) {
            return std::nullopt;
        }
        return number;
    }

  private:
    char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    char Take() { return text_[pos_++]; }

    void SkipBlanks() {
        while (pos_ < text_.size() && IsBlank(text_[pos_])) {
            ++pos_;
        }
    }

    std::size_t TakeDigits(std::string& into) {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && IsDigit(text_[pos_])) {
            into.push_back(text_[pos_++]);
        }
        return pos_ - start;
    }

    std::optional<std::int64_t> TakeExponent() {
        bool negative = false;
        if (Peek() == '+' || Peek() == '-') {
            negative = Take() == '-';
        }
        if (!IsDigit(Peek())) {
            return std::nullopt;
        }
        std::int64_t magnitude = 0;
        while (IsDigit(Peek())) {
            magnitude = std::min(kExponentClamp, magnitude * 10 + (Take() - '0'));
        }
        return negative ? -magnitude : magnitude;
    }

    std::string_view text_;
    std::string_view separator_;
    std::size_t pos_ = 0;
};

std::optional<ParsedNumber> Parse(std::string_view text, std::string_view separator) {
    return Scanner(text, separator).Parse();
}

// Removes leading zeros, keeping the point where it was in value.
void StripLeadingZeros(ParsedNumber& number) {
    const std::size_t firstNonZero = number.digits.find_first_not_of('0');
    const std::size_t zeros =
        firstNonZero == std::string::npos ? number.digits.size() : firstNonZero;
    number.digits.erase(0, zeros);
    number.pointAfter -= static_cast<std::int64_t>(zeros);
}

bool RoundsUp(std::string_view fraction, std::int64_t integerPart) {
    if (fraction.empty() || fraction.front() < '5') {
        return false;
    }
    if (fraction.front() > '5' || fraction.find_first_not_of('0', 1) != std::string_view::npos) {
        return true;
    }
    return integerPart % 2 != 0;  // an exact half goes to the even neighbour
}

// The largest magnitude a Long holds, 2^31, has 10 digits.
constexpr std::int64_t kMaxIntegerDigits = 10;

std::int64_t RoundedMagnitude(ParsedNumber number) {
    StripLeadingZeros(number);
    if (number.digits.empty() || number.pointAfter < 0) {
        return 0;
    }
    if (number.pointAfter > kMaxIntegerDigits) {
        throw Overflow();
    }
    const auto integerDigits = static_cast<std::size_t>(number.pointAfter);
    std::string_view digits(number.digits);
    std::int64_t integerPart = 0;
    for (std::size_t i = 0; i < integerDigits; ++i) {
        integerPart = integerPart * 10 + (i < digits.size() ? digits[i] - '0' : 0);
    }
    const std::string_view fraction =
        integerDigits < digits.size() ? digits.substr(integerDigits) : std::string_view();
    return RoundsUp(fraction, integerPart) ? integerPart + 1 : integerPart;
}

}  // namespace

bool IsNumeric(std::string_view text) {
    return IsNumeric(text, DecimalSeparator());
}

bool IsNumeric(std::string_view text, std::string_view separator) {
    return Parse(text, separator).has_value();
}

Long TextToLong(std::string_view text) {
    return TextToLong(text, DecimalSeparator());
}

Long TextToLong(std::string_view text, std::string_view separator) {
    const std::optional<ParsedNumber> number = Parse(text, separator);
    if (!number) {
        throw ConversionError();
    }
    const std::int64_t magnitude = RoundedMagnitude(*number);
    const std::int64_t value = number->negative ? -magnitude : magnitude;
    if (value < kLongMin || value > kLongMax) {
        throw Overflow();
    }
    return static_cast<Long>(value);
}

}  // namespace quadrix
