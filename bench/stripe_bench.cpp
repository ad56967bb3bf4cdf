// Benchmarks of the stripe engine beside straightforward loops.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstddef>
#include <cstdint>

#include "allocation_counter.h"
#include "estimators/quadrix_stripe.h"
#include "estimators/stripe_grid_kernel.h"
#include "estimators/stripe_sum.h"
#include "runtime/worker_pool.h"
#include "support/reference_loops.h"

namespace {

constexpr std::int64_t kScaledFrom = std::int64_t{1} << 26;
constexpr std::int64_t kLargestMeasured = std::int64_t{1} << 27;

// Google Benchmark runs a case whose single iteration outlasts the minimum
// time (0.5 s) exactly once, so the slow reference runs at the large counts
// need no Iterations(1), which would also rename them apart from their
// partner. Counts that are not powers of two are where the engine works most.
void AddStripeCounts(benchmark::internal::Benchmark* benchmark) {
    constexpr std::int64_t k = 1 << 25;
    for (const std::int64_t count : {k / 32, k / 2, 2 * k, 5 * k, 6 * k, 7 * k, 4 * k - 1, 4 * k,
                                     12 * k, 8 * k, 16 * k, 32 * k, 32 * k - 1, 64 * k - 1}) {
        benchmark->Arg(count);
    }
    benchmark->Unit(benchmark::kMillisecond)->UseManualTime();
}

void ReportAllocations(benchmark::State& state, std::size_t bytesBefore) {
    const auto bytes = static_cast<double>(quadrix::bench::AllocatedBytes() - bytesBefore);
    state.counters["bytes/iter"] = bytes / static_cast<double>(state.iterations());
}

// Times work(count) per iteration. Above 2^27 the plain loops would take
// seconds each, so reference work runs at 2^26 and its time is scaled
// linearly, as their cost is exactly linear in the count.
template <class Work>
void TimeIterations(benchmark::State& state, bool scaled, Work work) {
    const std::int64_t count = state.range(0);
    const bool scale = scaled && count > kLargestMeasured;
    const std::int64_t runAt = scale ? kScaledFrom : count;
    const double factor = static_cast<double>(count) / static_cast<double>(runAt);
    const std::size_t bytesBefore = quadrix::bench::AllocatedBytes();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        work(static_cast<quadrix::Long>(runAt));
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count() * factor);
    }
    ReportAllocations(state, bytesBefore);
    state.SetLabel(scale ? "scaled from 2^26" : quadrix::stripe_grid_kernel::TargetName());
}

void BM_StripeStateDescr_Fast(benchmark::State& state) {
    quadrix::QuadrixStripe stripe;
    quadrix::WorkerPool::Shared();  // its threads start once per program, not per call
    TimeIterations(state, false, [&stripe](quadrix::Long count) {
        stripe.Count(count);
        benchmark::DoNotOptimize(stripe.StateDescr());
    });
}
BENCHMARK(BM_StripeStateDescr_Fast)->Apply(AddStripeCounts);

// StateDescr alone at every multiple of 2^24 from 2^25 to 2^28, plus one so
// that none is a power of two: where between the counts above the cost peaks.
void AddPeakCounts(benchmark::internal::Benchmark* benchmark) {
    for (std::int64_t multiple = 2; multiple <= 16; ++multiple) {
        benchmark->Arg((multiple << 24) + 1);
    }
    benchmark->Unit(benchmark::kMillisecond)->UseManualTime();
}
BENCHMARK(BM_StripeStateDescr_Fast)->Name("BM_StripeStateDescrPeak_Fast")->Apply(AddPeakCounts);

// The straightforward StateDescr: PiRounded (lower sum, then upper sum), then
// each bound again, every sum a plain loop.
void BM_StripeStateDescr_Reference(benchmark::State& state) {
    TimeIterations(state, true, [](quadrix::Long count) {
        benchmark::DoNotOptimize(quadrix::reference::StripePiRounded(count));
        benchmark::DoNotOptimize(quadrix::reference::StripePiAbove(count));
        benchmark::DoNotOptimize(quadrix::reference::StripePiBelow(count));
    });
}
BENCHMARK(BM_StripeStateDescr_Reference)->Apply(AddStripeCounts);

// Both sums in one pass of the engine, against each sum once by the plain loop.
void BM_StripeSums_Fast(benchmark::State& state) {
    quadrix::WorkerPool::Shared();
    TimeIterations(state, false, [](quadrix::Long count) {
        benchmark::DoNotOptimize(quadrix::SumStripes(count));
    });
}
BENCHMARK(BM_StripeSums_Fast)->Apply(AddStripeCounts);

void BM_StripeSums_Reference(benchmark::State& state) {
    TimeIterations(state, true, [](quadrix::Long count) {
        benchmark::DoNotOptimize(quadrix::reference::StripeSum(count, 1.0));
        benchmark::DoNotOptimize(quadrix::reference::StripeSum(count, 0.0));
    });
}
BENCHMARK(BM_StripeSums_Reference)->Apply(AddStripeCounts);

}  // namespace
