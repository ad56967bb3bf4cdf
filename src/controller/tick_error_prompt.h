// The messages that tell why an event stopped short and what to do about it.
#pragma once

#include <optional>
#include <string>

#include "controller/method.h"
#include "runtime/errors.h"
#include "runtime/long_arithmetic.h"

namespace quadrix {

// Where in a method's tick an error arose.
enum class TickStage {
    kReadSteps,  // converting the steps-per-tick text
    kStep,       // DoStep
    kState,      // the state after the step
};

// A tick error and where the user stands once it has stopped the method: the
// advice has to start from there.
struct TickErrorScene {
    Method failed;
    TickStage stage;
    Long selectedMethod;
    // The method whose Start locked the steps field, while it stays locked.
    std::optional<Method> stepsLockedBy;
    bool lockerRunning = false;
};

// The error's own message, then in plain words which method stopped, why, and
// the clicks that run it again from where the user stands.
std::string TickErrorPrompt(const TickErrorScene& scene, const Error& error);

// The error's own message for an error that left a button or a tab selection.
std::string EventErrorPrompt(const Error& error);

}  // namespace quadrix
