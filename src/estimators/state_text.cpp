#include "estimators/state_text.h"

namespace quadrix {

namespace {
constexpr std::size_t kLabelWidth = 12;
}

StateText& StateText::Line(std::string_view name, const std::string& value) {
    if (!text_.empty()) {
        text_ += "\r\n";
    }
    std::string label = std::string(name) + ":";
    if (label.size() < kLabelWidth) {
        label.append(kLabelWidth - label.size(), ' ');
    }
    text_ += label + value;
    return *this;
}

}  // namespace quadrix
