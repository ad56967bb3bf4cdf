// The state text an estimator shows.
#include "estimators/state_text.h"

#include "runtime/number_text.h"

namespace quadrix {

namespace {
constexpr std::size_t kLabelWidth = 12;
}

std::string StateText::Describe(const ShootState& state) {
    return StateText()
        .Line("PiRounded", DoubleToText(state.piRounded))
        .Line("ShootCount", LongToText(state.shootCount))
        .Line("HitCount", LongToText(state.hitCount))
        .Line("MissCount", LongToText(state.missCount))
        .text_;
}

std::string StateText::Describe(const StripeState& state) {
    return StateText()
        .Line("PiRounded", DoubleToText(state.piRounded))
        .Line("PiAbove", DoubleToText(state.piAbove))
        .Line("PiBelow", DoubleToText(state.piBelow))
        .Line("Count", LongToText(state.count))
        .text_;
}

std::string StateText::Describe(const EstimatorState& state) {
    return std::visit([](const auto& values) { return Describe(values); }, state);
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
