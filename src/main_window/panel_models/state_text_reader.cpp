#include "main_window/panel_models/state_text_reader.h"

#include <charconv>
#include <cstddef>

namespace quadrix {
namespace {

// The text with every line break a bare line feed, for splitting.
std::string WithLineFeeds(std::string_view text) {
    std::string result;
    for (const char c : text) {
        if (c != '\r') {
            result += c;
        }
    }
    return result;
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The number with "." for the locale's separator, as from_chars reads it.
std::string WithPoint(std::string_view number, std::string_view separator) {
    std::string result;
    std::size_t place = 0;
    while (place < number.size()) {
        if (!separator.empty() && number.substr(place).starts_with(separator)) {
            result += '.';
            place += separator.size();
        } else {
            result += number[place++];
        }
    }
    return result;
}

}  // namespace

StateTextReader::StateTextReader(std::string_view text, std::string_view separator)
    : text_(WithLineFeeds(text)), separator_(separator) {}

std::optional<double> StateTextReader::Value(std::string_view label) const {
    std::string_view rest = text_;
    while (!rest.empty()) {
        const std::size_t lineEnd = rest.find('\n');
        const std::string_view line = rest.substr(0, lineEnd);
        rest = lineEnd == std::string_view::npos ? std::string_view() : rest.substr(lineEnd + 1);
        if (line.size() <= label.size() || !line.starts_with(label) || line[label.size()] != ':') {
            continue;
        }
        const std::string value = WithPoint(Trimmed(line.substr(label.size() + 1)), separator_);
        double number = 0.0;
        const auto [end, error] =
            std::from_chars(value.data(), value.data() + value.size(), number);
        if (error != std::errc() || end != value.data() + value.size()) {
            return std::nullopt;
        }
        return number;
    }
    return std::nullopt;
}

}  // namespace quadrix
