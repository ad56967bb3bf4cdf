// The messages that tell why an event stopped short and what to do about it.
#include "controller/tick_error_prompt.h"

#include <vector>

namespace quadrix {
namespace {

// Why a tick error stopped the method, and what it takes besides a Start.
struct Cause {
    std::string why;       // empty for a cause without words of its own
    std::string reset;     // how to press Reset, or empty when no Reset is needed
    std::string fixSteps;  // how to fix the steps text, or empty when it is fine
};

const char* const kFixSteps = "fix the steps per tick";
const char* const kResetShooting = "press Reset (back to no shots)";

Cause Unexplained() {
    return {{}, "press Reset", {}};
}

Cause CauseOf(Method method, TickStage stage, const Error& error) {
    const bool overflow = dynamic_cast<const Overflow*>(&error) != nullptr;
    switch (stage) {
        case TickStage::kReadSteps:
            if (overflow) {
                return {"the steps per tick spell a number beyond -2147483648..2147483647",
                        {},
                        kFixSteps};
            }
            return {"the steps per tick no longer spell a number", {}, kFixSteps};
        case TickStage::kStep:
            if (!overflow) {
                return Unexplained();
            }
            if (method == Method::kShooting) {
                return {"the shots cannot go past 2147483647", kResetShooting, {}};
            }
            return {"the number of stripes cannot double beyond 1073741824",
                    "press Reset (back to 4 stripes)",
                    {}};
        case TickStage::kState:
            if (method != Method::kShooting) {
                return Unexplained();
            }
            if (overflow) {
                return {"the hits times 4 no longer fit a Long (after about 684 million shots)",
                        kResetShooting,
                        {}};
            }
            if (dynamic_cast<const InvalidOperation*>(&error) != nullptr) {
                return {
                    "it has no estimate yet (0/0): it was stepped by 0 or fewer shots "
                    "before its first shot",
                    {},
                    "enter a positive number of steps per tick"};
            }
            return Unexplained();
    }
    return Unexplained();
}

// The clicks that run the failed method again. The buttons act on the selected
// tab; the steps field stays locked until a Stop of the selected method or
// until that method stops on an error; and the one button reads "Stop" while it is locked.
std::vector<std::string> Clicks(const TickErrorScene& scene, const Cause& cause) {
    std::vector<std::string> clicks;
    Long front = scene.selectedMethod;
    const auto select = [&](Method method) {
        if (IndexOf(method) != front) {
            clicks.push_back("select the tab \"" + std::string(MethodName(method)) + "\"");
            front = IndexOf(method);
        }
    };
    bool locked = scene.stepsLockedBy.has_value();
    if (locked && !cause.fixSteps.empty()) {
        if (scene.lockerRunning) {
            select(*scene.stepsLockedBy);
            clicks.emplace_back("press Stop");
        } else {
            // No running method holds the lock: the failed one, started again,
            // fails at once with its tab in front, which frees the field.
            select(scene.failed);
            clicks.emplace_back(
                "press Start/Stop (this message comes back, and the steps "
                "field is free)");
        }
        locked = false;
    }
    select(scene.failed);
    if (!cause.reset.empty()) {
        clicks.push_back(cause.reset);
    }
    if (!cause.fixSteps.empty()) {
        clicks.push_back(cause.fixSteps);
    }
    clicks.emplace_back(locked ? "press Start/Stop, which reads \"Stop\"" : "press Start");
    return clicks;
}

}  // namespace

std::string TickErrorPrompt(const TickErrorScene& scene, const Error& error) {
    const Cause cause = CauseOf(scene.failed, scene.stage, error);
    std::string text = error.what();
    text += "\n\n" + std::string(MethodName(scene.failed)) + " stopped";
    text += cause.why.empty() ? "." : ": " + cause.why + ".";
    const std::vector<std::string> clicks = Clicks(scene, cause);
    text += "\nTo run it again: ";
    for (std::size_t i = 0; i < clicks.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == clicks.size() ? ", then " : ", ") + clicks[i];
    }
    return text + ".";
}

std::string EventErrorPrompt(const Error& error) {
    std::string text = error.what();
    if (dynamic_cast<const BoundsError*>(&error) != nullptr) {
        text += "\n\nNo method is selected yet: select the tab of one, then try again.";
    }
    return text;
}

}  // namespace quadrix
