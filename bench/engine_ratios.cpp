// The engines against the straightforward loops without Google Benchmark, for the Windows build.
// Debian ships Google Benchmark for Linux only; this program times a few cases of
// quadrix_bench by the clock, the median of five runs each, and prints the ratios, so
// that the Windows program can be measured under Wine and the Linux one beside it.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string_view>

#include "estimators/quadrix_shoot.h"
#include "estimators/quadrix_stripe.h"
#include "estimators/simd_targets.h"
#include "runtime/worker_pool.h"
#include "scalar_block_hits.h"
#include "support/reference_loops.h"

namespace {

using quadrix::Long;

// Keeps a result from being optimised away.
volatile double sink = 0.0;

double MedianSeconds(const std::function<void()>& work) {
    std::array<double, 5> seconds{};
    for (double& run : seconds) {
        const auto start = std::chrono::steady_clock::now();
        work();
        run = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    std::nth_element(seconds.begin(), seconds.begin() + 2, seconds.end());
    return seconds[2];
}

void Report(const char* name, const std::function<void()>& engine,
            const std::function<void()>& plain) {
    const double engineSeconds = MedianSeconds(engine);
    const double plainSeconds = MedianSeconds(plain);
    std::printf("%-36s %11.3f ms %11.3f ms %9.1fx\n", name, engineSeconds * 1e3, plainSeconds * 1e3,
                plainSeconds / engineSeconds);
}

// The straightforward StateDescr: PiRounded (lower sum, then upper sum), then each bound again.
void StripeStateDescr(const char* name, Long count) {
    quadrix::QuadrixStripe stripe;
    Report(
        name,
        [&] {
            stripe.Count(count);
            sink = static_cast<double>(stripe.StateDescr().size());
        },
        [&] {
            sink = quadrix::reference::StripePiRounded(count) +
                   quadrix::reference::StripePiAbove(count) +
                   quadrix::reference::StripePiBelow(count);
        });
}

// DoStep against the scalar loop that computes each Philox block once for its two shots.
void ShootDoStep(const char* name, Long shots) {
    quadrix::QuadrixShoot shoot;
    std::uint64_t block = 0;
    Report(
        name,
        [&] {
            shoot.Reset();
            shoot.DoStep(shots);
            sink = static_cast<double>(shoot.HitCount());
        },
        [&] { sink = static_cast<double>(quadrix::bench::ScalarBlockHits(block, shots)); });
}

}  // namespace

// With an argument ("SSE4"), the engines run on that SIMD target, if the processor has it.
int main(int argc, char** argv) {
    namespace simd = quadrix::simd_targets;
    for (const simd::Target target : simd::Available()) {
        if (argc > 1 && std::string_view(argv[1]) == simd::Name(target)) {
            simd::Force(target);
        }
    }
    quadrix::WorkerPool::Shared();  // its threads start once per program, not per case
    std::printf("SIMD target %s; %u threads; medians of 5 runs\n",
                simd::Name(simd::Available().front()), quadrix::WorkerPool::Shared().ThreadCount());
    std::printf("%-36s %14s %14s %10s\n", "Case", "Engine", "Straightforward", "Ratio");
    StripeStateDescr("Stripes StateDescr, Count 2^20", Long{1} << 20);
    StripeStateDescr("Stripes StateDescr, Count 2^24", Long{1} << 24);
    StripeStateDescr("Stripes StateDescr, Count 2^24 + 1", (Long{1} << 24) + 1);
    ShootDoStep("Shooting DoStep, 10^6 shots", 1'000'000);
    ShootDoStep("Shooting DoStep, 10^8 shots", 100'000'000);
    return 0;
}
