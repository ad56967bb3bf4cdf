#pragma once

#include <cstdint>

#include "runtime/philox.h"
#include "runtime/random_source.h"
#include "runtime/worker_pool.h"

namespace quadrix {

// A random sequence whose value k is a pure function of k and one fixed key:
// word k mod 4 of the Philox4x32-10 block at counter k div 4, scaled by 2^-32
// into [0, 1). The same on every machine, never seeded, and any stretch of it
// can be computed without computing what comes before, which lets CountHits
// count a run of shots on all threads of a worker pool.
class CounterRandomSequence : public RandomSource {
  public:
    // Counts hits on the program's shared pool.
    CounterRandomSequence() : CounterRandomSequence(WorkerPool::Shared()) {}
    // Counts hits on the given pool, which must outlive the sequence.
    explicit CounterRandomSequence(WorkerPool& pool) : pool_(&pool) {}

    static constexpr Philox::Key kKey = {0x243F6A88, 0x85A308D3};
    static constexpr double kScale = 1.0 / 4294967296.0;  // 2^-32

    // The one sequence the whole program draws from.
    static CounterRandomSequence& Program();

    double Next() override;
    // Draws 2 * shots values; the same hits as drawing them one by one.
    std::int64_t CountHits(std::int64_t shots) override;

    std::uint64_t Position() const { return position_; }
    void Advance(std::uint64_t values) { position_ += values; }

    static std::uint32_t WordAt(std::uint64_t index);
    static double ValueAt(std::uint64_t index) { return WordAt(index) * kScale; }

  private:
    std::uint64_t position_ = 0;
    WorkerPool* pool_;
};

}  // namespace quadrix
