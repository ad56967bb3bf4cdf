// The stripe estimator: pi between the upper and lower rectangle sums.
#pragma once

#include "estimators/quadrix.h"

namespace quadrix {

// Rectangle sums of the quarter circle y = sqrt(1 - x^2) over Count stripes of
// equal width: heights at the left edges bound the area from above, heights at
// the right edges from below. Each step doubles the number of stripes.
class QuadrixStripe : public Quadrix {
  public:
    static constexpr Long kInitialCount = 4;

    QuadrixStripe();

    Long Count() const override { return count_; }
    // Stores the new number of stripes unchecked.
    void Count(Long NewValue) { count_ = NewValue; }

    void DoStep(Long steps) override;
    double PiAbove() const;
    double PiBelow() const;
    double PiRounded() const override;
    void Reset() override;
    std::string StateDescr() const override;
    EstimatorState State() const override { return Snapshot(); }
    StripeState Snapshot() const;

  private:
    Long count_ = kInitialCount;
};

}  // namespace quadrix
