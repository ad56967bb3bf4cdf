// Benchmarks of the shooting engine beside straightforward loops.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <limits>
#include <random>

#include "allocation_counter.h"
#include "estimators/quadrix_shoot.h"
#include "runtime/counter_random_sequence.h"
#include "scalar_block_hits.h"
#include "support/reference_loops.h"

namespace {

using quadrix::CounterRandomSequence;
using quadrix::Long;

// Rates use wall time: the fast engine works on every hardware thread. Loops that take
// longer than the minimum time run a single iteration by themselves, which
// keeps every variant's name alike for the ratio report.
void Shots(benchmark::internal::Benchmark* benchmark) {
    benchmark->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark->Arg(1'000'000)->Arg(100'000'000)->Arg(1'000'000'000);
}

void ReportShots(benchmark::State& state, std::int64_t shots, std::size_t allocatedBefore) {
    const std::size_t allocated = quadrix::bench::AllocatedBytes() - allocatedBefore;
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["shots/s"] =
        benchmark::Counter(static_cast<double>(shots) * iterations, benchmark::Counter::kIsRate);
    state.counters["bytes/iter"] = benchmark::Counter(static_cast<double>(allocated) / iterations);
}

// QuadrixShoot::DoStep on the program's sequence: SIMD on every hardware thread.
void BM_ShootDoStep_Fast(benchmark::State& state) {
    const auto shots = static_cast<Long>(state.range(0));
    quadrix::QuadrixShoot shoot;
    shoot.DoStep(1);  // starts the shared worker pool outside the measurement
    const std::size_t allocatedBefore = quadrix::bench::AllocatedBytes();
    for (auto _ : state) {
        if (shoot.ShootCount() > std::numeric_limits<Long>::max() - shots) {
            shoot.Reset();
        }
        shoot.DoStep(shots);
        benchmark::DoNotOptimize(shoot.HitCount());
    }
    ReportShots(state, shots, allocatedBefore);
}
BENCHMARK(BM_ShootDoStep_Fast)->Apply(Shots);

// The straightforward loop over the same sequence, one value at a time.
void BM_ShootDoStep_Reference(benchmark::State& state) {
    const std::int64_t shots = state.range(0);
    std::uint64_t firstValue = 0;
    const std::size_t allocatedBefore = quadrix::bench::AllocatedBytes();
    for (auto _ : state) {
        benchmark::DoNotOptimize(quadrix::reference::ShootHits(firstValue, shots));
        firstValue += 2 * static_cast<std::uint64_t>(shots);
    }
    ReportShots(state, shots, allocatedBefore);
}
BENCHMARK(BM_ShootDoStep_Reference)->Apply(Shots);

// A plain scalar loop that at least computes each Philox block once for its two shots.
void BM_ShootDoStep_ScalarBlocks(benchmark::State& state) {
    const std::int64_t shots = state.range(0);
    std::uint64_t block = 0;
    const std::size_t allocatedBefore = quadrix::bench::AllocatedBytes();
    for (auto _ : state) {
        benchmark::DoNotOptimize(quadrix::bench::ScalarBlockHits(block, shots));
    }
    ReportShots(state, shots, allocatedBefore);
}
BENCHMARK(BM_ShootDoStep_ScalarBlocks)->Apply(Shots);

// The same loop over a conventional generator object.
void BM_ShootDoStep_Mt19937(benchmark::State& state) {
    const std::int64_t shots = state.range(0);
    std::mt19937 engine;
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    const std::size_t allocatedBefore = quadrix::bench::AllocatedBytes();
    for (auto _ : state) {
        std::int64_t hits = 0;
        for (std::int64_t shot = 0; shot < shots; ++shot) {
            const double x = uniform(engine);
            const double y = uniform(engine);
            hits += x * x + y * y <= 1.0 ? 1 : 0;
        }
        benchmark::DoNotOptimize(hits);
    }
    ReportShots(state, shots, allocatedBefore);
}
BENCHMARK(BM_ShootDoStep_Mt19937)->Apply(Shots);

}  // namespace
