#pragma once

#include <cstdint>
#include <optional>

#include "estimators/quadrix.h"
#include "runtime/random_source.h"

namespace quadrix {

class CounterRandomSequence;

// Monte-Carlo estimate: the share of random points of the unit square that land
// inside the quarter circle of radius 1 (or on its arc), times 4.
class QuadrixShoot : public Quadrix {
  public:
    // Draws from the program-wide random sequence.
    QuadrixShoot();
    // Draws from the given source, which must outlive the estimator.
    explicit QuadrixShoot(RandomSource& source);

    Long Count() const override { return ShootCount(); }
    void DoStep(Long steps) override;
    double PiRounded() const override;
    void Reset() override;
    std::string StateDescr() const override;
    EstimatorState State() const override { return Snapshot(); }
    ShootState Snapshot() const;

    Long HitCount() const { return hitCount_; }
    Long MissCount() const;
    Long ShootCount() const { return shootCount_; }

    // Where the shots lie in a CounterRandomSequence source: the value index just
    // past the y of the last shot counted, so the shots of the latest DoStep are
    // the value pairs that end there. Empty for any other source.
    std::optional<std::uint64_t> CountedShotsEnd() const;

  private:
    RandomSource* source_;
    const CounterRandomSequence* sequence_;  // the source, when it is one
    Long hitCount_ = 0;
    Long shootCount_ = 0;
    std::uint64_t countedShotsEnd_ = 0;
};

}  // namespace quadrix
