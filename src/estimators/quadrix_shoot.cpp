#include "estimators/quadrix_shoot.h"

#include <algorithm>
#include <limits>

#include "estimators/state_text.h"
#include "runtime/counter_random_sequence.h"
#include "runtime/double_arithmetic.h"
#include "runtime/errors.h"

namespace quadrix {

QuadrixShoot::QuadrixShoot() : QuadrixShoot(CounterRandomSequence::Program()) {}

QuadrixShoot::QuadrixShoot(RandomSource& source)
    : source_(&source), sequence_(dynamic_cast<const CounterRandomSequence*>(&source)) {
    Reset();
}

void QuadrixShoot::DoStep(Long steps) {
    if (steps < 1) {
        return;
    }
    const Long room = std::numeric_limits<Long>::max() - shootCount_;
    const Long shots = std::min(steps, room);
    const auto hits = static_cast<Long>(source_->CountHits(shots));
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
    if (steps == std::numeric_limits<Long>::max()) {
        throw Overflow();  // the shot loop's own counter passes the top of Long
    }
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
