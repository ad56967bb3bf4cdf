// The caption line under a method's drawing: an interval for pi and the digits it settles.
#include "panel_models/interval_caption.h"

#include <algorithm>

#include "panel_models/decimal_digits.h"

namespace quadrix {
namespace {

constexpr int kMinDecimals = 2;
constexpr int kMaxDecimals = 14;  // what 15 significant digits give near pi

std::string WithSeparator(std::string_view text, std::string_view separator) {
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

std::string IntervalCaption(std::string_view label, double lower, double upper,
                            std::string_view separator) {
    const std::string shared = SharedDigits(lower, upper);
    const int decimals = std::clamp(DecimalsIn(shared) + 2, kMinDecimals, kMaxDecimals);
    // With a decimal comma, a comma between the ends would blur where one ends.
    const std::string_view between = separator == "," ? "; " : ", ";
    std::string text = WithSeparator(TruncatedDigits(lower, decimals), separator);
    text += between;
    text += WithSeparator(TruncatedDigits(upper, decimals), separator);
    std::string caption(label);
    caption += '[' + text + "]  ";
    caption += shared.empty() ? "no digit sure yet"
                              : "\u03c0 = " + WithSeparator(shared, separator) + "\u2026";
    return caption;
}

}  // namespace quadrix
