#pragma once

#include <string>

#include "runtime/errors.h"
#include "runtime/long_arithmetic.h"

namespace quadrix {

// The message that tells why a tick stopped a method: the error's own message,
// then in plain words which method stopped, why, and what to do about it.
class TickErrorPrompt {
  public:
    // Where in a method's tick the error arose.
    enum class Stage {
        kReadSteps,  // converting the steps-per-tick text
        kStep,       // DoStep
        kState,      // the state after the step
    };

    static std::string Text(Long method, Stage stage, const Error& error);

  private:
    // Why the method stopped and what to do, or empty for a cause without words of its own.
    static std::string Explanation(Long method, Stage stage, const Error& error);
};

}  // namespace quadrix
