#include <benchmark/benchmark.h>

#include "estimators/quadrix_shoot.h"
#include "estimators/quadrix_stripe.h"
#include "estimators/reference_loops.h"

namespace {

// Placeholder pair so the ratio report has something to show until the fast
// engines land; they replace this file's cases with their own.
void BM_StripeStateDescr_Fast(benchmark::State& state) {
    quadrix::QuadrixStripe stripe;
    stripe.Count(static_cast<quadrix::Long>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(stripe.StateDescr());
    }
}
BENCHMARK(BM_StripeStateDescr_Fast)->Arg(1 << 16)->Unit(benchmark::kMillisecond);

void BM_StripeStateDescr_Reference(benchmark::State& state) {
    const auto count = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(quadrix::reference::StripePiRounded(count));
        benchmark::DoNotOptimize(quadrix::reference::StripePiAbove(count));
        benchmark::DoNotOptimize(quadrix::reference::StripePiBelow(count));
    }
}
BENCHMARK(BM_StripeStateDescr_Reference)->Arg(1 << 16)->Unit(benchmark::kMillisecond);

}  // namespace
