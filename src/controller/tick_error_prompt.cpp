// The message that tells why a tick stopped a method and what to do about it.
#include "controller/tick_error_prompt.h"

namespace quadrix {
namespace {

const char* const kFixSteps = "Fix the steps per tick, then press Start.";
const char* const kResetShooting = "Press Reset to start again from no shots.";

// Why the method stopped and what to do, or empty for a cause without words of its own.
std::string Explanation(Method method, TickStage stage, const Error& error) {
    const bool overflow = dynamic_cast<const Overflow*>(&error) != nullptr;
    switch (stage) {
        case TickStage::kReadSteps:
            if (overflow) {
                return "the steps per tick spell a number beyond -2147483648..2147483647.\n" +
                       std::string(kFixSteps);
            }
            return "the steps per tick no longer spell a number.\n" + std::string(kFixSteps);
        case TickStage::kStep:
            if (!overflow) {
                return {};
            }
            if (method == Method::kShooting) {
                return "the shots cannot go past 2147483647.\n" + std::string(kResetShooting);
            }
            return "the number of stripes cannot double beyond 1073741824.\n"
                   "Press Reset to start again from 4 stripes.";
        case TickStage::kState:
            if (method != Method::kShooting) {
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

}  // namespace

std::string TickErrorPrompt(Method method, TickStage stage, const Error& error) {
    const std::string explanation = Explanation(method, stage, error);
    std::string text = error.what();
    text += "\n\n" + std::string(MethodName(method)) + " stopped";
    text += explanation.empty() ? ". Press Reset to start it again." : ": " + explanation;
    return text;
}

}  // namespace quadrix
