#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>

#include "allocation_counter.h"
#include "estimators/quadrix_stripe.h"
#include "estimators/stripe_grid_kernel.h"
#include "runtime/worker_pool.h"
#include "support/reference_loops.h"

namespace {

// Google Benchmark runs a case whose single iteration outlasts the minimum
// time (0.5 s) exactly once, so the slow reference runs at the large counts
// need no Iterations(1), which would also rename them apart from their
// partner.
void AddStripeCounts(benchmark::internal::Benchmark* benchmark) {
    for (const int exponent : {20, 24, 26, 27, 30}) {
        benchmark->Arg(std::int64_t{1} << exponent);
    }
    benchmark->Unit(benchmark::kMillisecond)->UseRealTime();
}

void ReportAllocations(benchmark::State& state, std::size_t bytesBefore) {
    const auto bytes = static_cast<double>(quadrix::bench::AllocatedBytes() - bytesBefore);
    state.counters["bytes/iter"] = bytes / static_cast<double>(state.iterations());
}

void BM_StripeStateDescr_Fast(benchmark::State& state) {
    quadrix::QuadrixStripe stripe;
    stripe.Count(static_cast<quadrix::Long>(state.range(0)));
    quadrix::WorkerPool::Shared();  // its threads start once per program, not per call
    const std::size_t bytesBefore = quadrix::bench::AllocatedBytes();
    for (auto _ : state) {
        benchmark::DoNotOptimize(stripe.StateDescr());
    }
    ReportAllocations(state, bytesBefore);
    state.SetLabel(quadrix::stripe_grid_kernel::TargetName());
}
BENCHMARK(BM_StripeStateDescr_Fast)->Apply(AddStripeCounts);

// The straightforward StateDescr: PiRounded (lower sum, then upper sum), then
// each bound again, every sum a plain loop.
void BM_StripeStateDescr_Reference(benchmark::State& state) {
    const auto count = static_cast<std::int32_t>(state.range(0));
    const std::size_t bytesBefore = quadrix::bench::AllocatedBytes();
    for (auto _ : state) {
        benchmark::DoNotOptimize(quadrix::reference::StripePiRounded(count));
        benchmark::DoNotOptimize(quadrix::reference::StripePiAbove(count));
        benchmark::DoNotOptimize(quadrix::reference::StripePiBelow(count));
    }
    ReportAllocations(state, bytesBefore);
}
BENCHMARK(BM_StripeStateDescr_Reference)->Apply(AddStripeCounts);

}  // namespace
