#include <gtest/gtest.h>

#include <cstdint>

#include "estimators/quadrix_shoot.h"
#include "estimators/reference_loops.h"
#include "runtime/counter_random_sequence.h"
#include "runtime/worker_pool.h"

namespace quadrix {
namespace {

TEST(CounterRandomSequenceHits, CountHitsDrawsTwoValuesPerShotFromWhereverTheSequenceIs) {
    WorkerPool pool(2);
    CounterRandomSequence sequence(pool);
    sequence.Next();  // now at an odd index
    EXPECT_EQ(sequence.CountHits(1000), reference::ShootHits(1, 1000));
    EXPECT_EQ(sequence.Position(), 2001u);
    EXPECT_EQ(sequence.CountHits(150000), reference::ShootHits(2001, 150000));
    EXPECT_EQ(sequence.Position(), 302001u);
    EXPECT_EQ(sequence.Next(), CounterRandomSequence::ValueAt(302001));
}

TEST(CounterRandomSequenceHits, NoShotsDrawNothing) {
    CounterRandomSequence sequence;
    sequence.Advance(6);
    EXPECT_EQ(sequence.CountHits(0), 0);
    EXPECT_EQ(sequence.CountHits(-3), 0);
    EXPECT_EQ(sequence.Position(), 6u);
}

TEST(CounterRandomSequenceHits, DrawingOneByOneAndCountingAtOnceAgree) {
    CounterRandomSequence counted;
    CounterRandomSequence drawn;
    for (const std::int64_t shots : {3, 70001, 1, 2}) {
        EXPECT_EQ(counted.CountHits(shots), drawn.RandomSource::CountHits(shots));
        EXPECT_EQ(counted.Position(), drawn.Position());
    }
}

TEST(CounterRandomSequenceHits, ShootingOnTheProgramSequenceMatchesTheReferenceLoop) {
    const std::uint64_t start = CounterRandomSequence::Program().Position();
    QuadrixShoot shoot;
    std::int64_t shots = 0;
    std::int64_t hits = 0;
    for (const Long steps : {1, 7, 250000, 2, 99999}) {
        shoot.DoStep(steps);
        hits += reference::ShootHits(start + 2 * static_cast<std::uint64_t>(shots), steps);
        shots += steps;
        EXPECT_EQ(shoot.ShootCount(), shots);
        EXPECT_EQ(shoot.HitCount(), hits);
    }
    EXPECT_EQ(CounterRandomSequence::Program().Position(), start + 2 * shots);
}

}  // namespace
}  // namespace quadrix
