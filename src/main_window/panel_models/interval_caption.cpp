#include "main_window/panel_models/interval_caption.h"

#include <algorithm>
#include <utility>

#include "main_window/panel_models/decimal_digits.h"

namespace quadrix {
namespace {

std::string WithSeparator(std::string text, std::string_view separator) {
    std::string result;
    for (const char c : text) {
        if (c == '.') {
            result += separator;
        } else {
            result += c;
        }
    }
    return result;
}

}  // namespace

std::string IntervalCaption::Text(std::string_view label, double lower, double upper,
                                  std::string_view separator) {
    const std::string shared = DecimalDigits::Shared(lower, upper);
    const int decimals =
        std::clamp(DecimalDigits::Decimals(shared) + 2, kMinDecimals, kMaxDecimals);
    std::string text(label);
    text += '[' + DecimalDigits::Truncated(lower, decimals) + ", " +
            DecimalDigits::Truncated(upper, decimals) + "]  ";
    text += shared.empty() ? "no digit sure yet" : "\u03c0 = " + shared + "\u2026";
    return WithSeparator(std::move(text), separator);
}

}  // namespace quadrix
