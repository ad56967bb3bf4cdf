// The contract every pi-estimation method fulfils.
#pragma once

#include <string>

#include "estimators/estimator_state.h"
#include "runtime/long_arithmetic.h"

namespace quadrix {

// The contract through which the window drives any pi-estimation method.
class Quadrix {
  public:
    virtual ~Quadrix() = default;

    // The method's own measure of progress (shots fired, or number of stripes).
    virtual Long Count() const = 0;
    // Advances the method by that many steps; 0 or less does nothing.
    virtual void DoStep(Long steps) = 0;
    // The current estimate of pi.
    virtual double PiRounded() const = 0;
    // Returns to the initial state.
    virtual void Reset() = 0;
    // Labelled lines, joined by CR LF, ready to show.
    virtual std::string StateDescr() const = 0;
    // The values StateDescr shows, computed afresh each time (nothing is kept),
    // raising exactly the errors StateDescr would.
    virtual EstimatorState State() const = 0;
};

}  // namespace quadrix
