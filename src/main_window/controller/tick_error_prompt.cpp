#include "main_window/controller/tick_error_prompt.h"

#include "main_window/controller/calculation_window.h"

namespace quadrix {
namespace {

constexpr Long kShooting = 1;

const char* const kFixSteps = "Fix the steps per tick, then press Start.";
const char* const kResetShooting = "Press Reset to start again from no shots.";

std::string MethodName(Long method) {
    return kMethodNames.at(static_cast<std::size_t>(method - 1));
}

}  // namespace

std::string TickErrorPrompt::Text(Long method, Stage stage, const Error& error) {
    const std::string explanation = Explanation(method, stage, error);
    std::string text = error.what();
    text += "\n\n" + MethodName(method) + " stopped";
    text += explanation.empty() ? ". Press Reset to start it again." : ": " + explanation;
    return text;
}

std::string TickErrorPrompt::Explanation(Long method, Stage stage, const Error& error) {
    const bool overflow = dynamic_cast<const Overflow*>(&error) != nullptr;
    switch (stage) {
        case Stage::kReadSteps:
            if (overflow) {
                return "the steps per tick spell a number beyond -2147483648..2147483647.\n" +
                       std::string(kFixSteps);
            }
            return "the steps per tick no longer spell a number.\n" + std::string(kFixSteps);
        case Stage::kStep:
            if (!overflow) {
                return {};
            }
            if (method == kShooting) {
                return "the shots cannot go past 2147483647.\n" + std::string(kResetShooting);
            }
            return "the number of stripes cannot double beyond 1073741824.\n"
                   "Press Reset to start again from 4 stripes.";
        case Stage::kState:
            if (method != kShooting) {
                return {};
            }
            if (overflow) {
                return "the hits times 4 no longer fit a Long (after about 684 million shots).\n" +
                       std::string(kResetShooting);
            }
            if (dynamic_cast<const InvalidOperation*>(&error) != nullptr) {
                return "it has no estimate yet (0/0): it was stepped by 0 or fewer shots before "
                       "its first shot.\nEnter a positive number of steps per tick, then press "
                       "Start.";
            }
            return {};
    }
    return {};
}

}  // namespace quadrix
