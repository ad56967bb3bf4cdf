// The shooting estimator: pi from random shots at the unit square.
#pragma once

#include <cstdint>
#include <optional>

#include "estimators/quadrix.h"
#include "estimators/shot.h"
#include "runtime/random_source.h"
#include "runtime/worker_pool.h"

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
    // Counts the shots of a CounterRandomSequence source on the given pool;
    // both must outlive the estimator.
    QuadrixShoot(RandomSource& source, WorkerPool& pool);

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
    std::int64_t CountHits(Long shots);

    RandomSource* source_;
    CounterRandomSequence* sequence_;  // the source, when it is one
    WorkerPool* pool_;
    Long hitCount_ = 0;
    Long shootCount_ = 0;
    std::uint64_t countedShotsEnd_ = 0;
};

}  // namespace quadrix
