// The message that tells why a tick stopped a method and what to do about it.
#pragma once

#include <string>

#include "controller/method.h"
#include "runtime/errors.h"

namespace quadrix {

// Where in a method's tick an error arose.
enum class TickStage {
    kReadSteps,  // converting the steps-per-tick text
    kStep,       // DoStep
    kState,      // the state after the step
};

// The error's own message, then in plain words which method stopped, why, and
// what to do about it.
std::string TickErrorPrompt(Method method, TickStage stage, const Error& error);

}  // namespace quadrix
