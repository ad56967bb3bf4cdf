// The shooting estimator: pi from random shots at the unit square.
#include "estimators/quadrix_shoot.h"

#include <algorithm>

#include "estimators/shot_hit_counter.h"
#include "estimators/state_text.h"
#include "runtime/counter_random_sequence.h"
#include "runtime/double_arithmetic.h"
#include "runtime/errors.h"

namespace quadrix {

QuadrixShoot::QuadrixShoot() : QuadrixShoot(CounterRandomSequence::Program()) {}

QuadrixShoot::QuadrixShoot(RandomSource& source) : QuadrixShoot(source, WorkerPool::Shared()) {}

QuadrixShoot::QuadrixShoot(RandomSource& source, WorkerPool& pool)
    : source_(&source), sequence_(dynamic_cast<CounterRandomSequence*>(&source)), pool_(&pool) {
    Reset();
}

void QuadrixShoot::DoStep(Long steps) {
    if (steps < 1) {
        return;
    }
    const Long room = kLongMax - shootCount_;
    const Long shots = std::min(steps, room);
    const auto hits = static_cast<Long>(CountHits(shots));
    hitCount_ = LongAdd(hitCount_, hits);
    shootCount_ = LongAdd(shootCount_, shots);
    if (sequence_ != nullptr) {
        countedShotsEnd_ = sequence_->Position();
    }
    if (shots < steps) {
        // The next shot is drawn but cannot be counted. Leaving both counters
        // as they were keeps HitCount <= ShootCount.
        source_->Next();
        source_->Next();
        throw Overflow();
    }
    if (steps == kLongMax) {
        throw Overflow();  // the shot loop's own counter passes the top of Long
    }
}

// Shots from the program's kind of sequence are counted on all threads with
// SIMD; from any other source they are drawn one by one.
std::int64_t QuadrixShoot::CountHits(Long shots) {
    const std::int64_t counted = source_->CountHits(shots);
    if (counted != RandomSource::kNotCounted) {
        return counted;
    }
    if (sequence_ != nullptr) {
        const std::int64_t hits = ShotHitCounter(*pool_).CountHits(sequence_->Position(), shots);
        sequence_->Advance(2 * static_cast<std::uint64_t>(shots));
        return hits;
    }
    return CountHitsOneByOne([this](std::uint64_t) { return source_->Next(); }, 0,
                             static_cast<std::uint64_t>(shots));
}

std::optional<std::uint64_t> QuadrixShoot::CountedShotsEnd() const {
    if (sequence_ == nullptr) {
        return std::nullopt;
    }
    return countedShotsEnd_;
}

Long QuadrixShoot::MissCount() const {
    return LongSub(shootCount_, hitCount_);
}

double QuadrixShoot::PiRounded() const {
    const Long hits4 = LongMul(hitCount_, 4);
    return DoubleDiv(static_cast<double>(hits4), static_cast<double>(shootCount_));
}

void QuadrixShoot::Reset() {
    hitCount_ = 0;
    shootCount_ = 0;
    countedShotsEnd_ = sequence_ != nullptr ? sequence_->Position() : 0;
}

ShootState QuadrixShoot::Snapshot() const {
    ShootState state;
    state.piRounded = PiRounded();
    state.shootCount = ShootCount();
    state.hitCount = HitCount();
    state.missCount = MissCount();
    state.countedShotsEnd = CountedShotsEnd();
    return state;
}

std::string QuadrixShoot::StateDescr() const {
    return StateText::Describe(Snapshot());
}

}  // namespace quadrix
