// Counting the hits of a run of shots on many threads.
#include "estimators/shot_hit_counter.h"

#include <algorithm>
#include <atomic>

#include "estimators/shot.h"
#include "estimators/shot_kernel.h"
#include "runtime/counter_random_sequence.h"

namespace quadrix {

namespace {

// One pool call's share-out of a run of blocks into tasks.
struct BlockTasks {
    std::uint64_t firstBlock;
    std::uint64_t blocks;
    shot_kernel::Pairing pairing;
    std::atomic<std::int64_t>* hits;

    std::size_t Count() const {
        return static_cast<std::size_t>((blocks + ShotHitCounter::kBlocksPerTask - 1) /
                                        ShotHitCounter::kBlocksPerTask);
    }

    void Run(std::size_t task) const {
        const std::uint64_t skipped = task * ShotHitCounter::kBlocksPerTask;
        const std::uint64_t taskBlocks = std::min(ShotHitCounter::kBlocksPerTask, blocks - skipped);
        hits->fetch_add(shot_kernel::CountBlockHits(firstBlock + skipped, taskBlocks, pairing),
                        std::memory_order_relaxed);
    }
};

}  // namespace

ShotHitCounter::ShotHitCounter(WorkerPool& pool) : pool_(&pool) {}

std::int64_t ShotHitCounter::CountHits(std::uint64_t firstValue, std::int64_t shots) const {
    if (shots < 1) {
        return 0;
    }
    // The kernel counts whole blocks, two shots each. From an even first index
    // block c holds the shots whose x is value 4c or 4c + 2, from an odd one
    // those whose x is 4c - 1 or 4c + 1. At most one shot before the first whole
    // block and one after the last are left to count one by one.
    const std::uint64_t parity = firstValue & 1;
    const std::uint64_t lastX = firstValue + 2 * static_cast<std::uint64_t>(shots - 1);
    const std::uint64_t firstBlock = (firstValue + parity + 3) / 4;
    const std::uint64_t endBlock = (lastX + parity + 2) / 4;
    if (endBlock <= firstBlock) {
        return CountShotHitsOneByOne(firstValue, static_cast<std::uint64_t>(shots));
    }
    const std::uint64_t blocksFirstX = 4 * firstBlock - parity;
    const std::uint64_t blocksEndX = 4 * endBlock - parity;
    return CountShotHitsOneByOne(firstValue, (blocksFirstX - firstValue) / 2) +
           CountBlockHits(firstBlock, endBlock - firstBlock, parity == 1) +
           CountShotHitsOneByOne(blocksEndX, (lastX + 2 - blocksEndX) / 2);
}

std::int64_t ShotHitCounter::CountBlockHits(std::uint64_t firstBlock, std::uint64_t blocks,
                                            bool oddPairing) const {
    std::atomic<std::int64_t> hits{0};
    const BlockTasks tasks{firstBlock, blocks,
                           oddPairing ? shot_kernel::Pairing::kOdd : shot_kernel::Pairing::kEven,
                           &hits};
    // A lambda holding one reference fits into std::function without allocating.
    pool_->ForEach(tasks.Count(), [&tasks](std::size_t task) { tasks.Run(task); });
    return hits.load(std::memory_order_relaxed);
}

std::int64_t ShotHitCounter::CountShotHitsOneByOne(std::uint64_t firstValue, std::uint64_t shots) {
    return CountHitsOneByOne(
        [](std::uint64_t index) { return CounterRandomSequence::ValueAt(index); }, firstValue,
        shots);
}

}  // namespace quadrix
