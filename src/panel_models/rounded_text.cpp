// Numbers in the panels' texts, written as printf writes them in the "C" locale.
#include "panel_models/rounded_text.h"

#include <array>
#include <charconv>

namespace quadrix {
namespace {

std::string Written(double value, std::chars_format format, int precision) {
    std::array<char, 400> buffer{};  // the most "%.2f" of a double needs, with room to spare
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    return error == std::errc() ? std::string(buffer.data(), end) : std::string();
}

}  // namespace

std::string FixedText(double value, int decimals) {
    return Written(value, std::chars_format::fixed, decimals);
}

std::string SignificantText(double value, int digits) {
    return Written(value, std::chars_format::general, digits);
}

}  // namespace quadrix
