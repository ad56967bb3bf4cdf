// Fuzzes the stripe engine against the plain loop on short runs of terms anywhere in a count.
// Bytes: count (4), first term (4), terms (2), the two start sums (8 each, any bits), grid path,
// SIMD target, pool, forecast factor (1) and shift (2), grid coarsening for the level counter.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "estimators/simd_targets.h"
#include "estimators/stripe_engine.h"
#include "fuzz_input.h"
#include "support/reference_loops.h"

namespace quadrix::fuzzing {
namespace {

// Four chunks of the engine at most: well under a millisecond, plain loop included.
constexpr Long kMaxTerms = 1 << 14;
// Where the curve settles few levels, the level counter searches nearly every one.
constexpr Long kMaxCountedTerms = 2048;

// The engine's forecast scaled and shifted: it puts chunks on wrong grids.
struct WrongForecast : StripeSumForecast {
    WrongForecast(Long count, double factor, double shift)
        : StripeSumForecast(count), factor_(factor), shift_(shift) {}
    double HeightsBefore(Long index) const override {
        return StripeSumForecast::HeightsBefore(index) * factor_ + shift_;
    }
    double factor_;
    double shift_;
};

// The level counter alone against the kernel, on a grid with at most 4 levels per term.
void CheckLevelCounter(const StripeTermRange& range, std::uint8_t coarsening,
                       const std::string& where) {
    const Long terms = range.end - range.first;
    int scaleExponent =
        52 - static_cast<int>(std::bit_width(static_cast<std::uint32_t>(terms))) - coarsening % 8;
    while (StripeLevelCounter(range, scaleExponent).Levels() > std::int64_t{4} * terms) {
        --scaleExponent;
    }
    const StripeGridSum kernel = stripe_grid_kernel::SumOnGrid(range, scaleExponent);
    const StripeGridSum counted = StripeLevelCounter(range, scaleExponent).Sum();
    Check(counted.noTie == kernel.noTie && (!kernel.noTie || counted.units == kernel.units),
          "the level counter sums like the kernel",
          where + ", grid 2^-" + std::to_string(scaleExponent));
}

}  // namespace
}  // namespace quadrix::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quadrix;
    using namespace quadrix::fuzzing;
    static WorkerPool pools[] = {WorkerPool(1), WorkerPool(2), WorkerPool(3)};
    FuzzInput input(data, size);
    const Long count = 2 + static_cast<Long>(input.TakeBits<std::uint32_t>() % (kLongMax - 1));
    const Long first = 1 + static_cast<Long>(input.TakeBits<std::uint32_t>() % (count - 1));
    const auto wantedTerms = input.TakeBits<std::uint16_t>();
    const StripeSums start{input.TakeBits<double>(), input.TakeBits<double>()};
    const auto path = static_cast<StripeEngine::GridPath>(input.TakeByte() % 3);
    const std::vector<simd_targets::Target> targets = simd_targets::Available();
    const simd_targets::Target target = targets[input.TakeByte() % targets.size()];
    simd_targets::Force(target);
    // Emulated vectors take far longer per term: they get a sixty-fourth of the run.
    const std::string_view name = simd_targets::Name(target);
    const Long maxTerms = name == "EMU128" || name == "SCALAR" ? kMaxTerms / 64 : kMaxTerms;
    const Long terms = std::min<Long>(wantedTerms % (maxTerms + 1), count - first);
    const Long end = first + terms;
    WorkerPool& pool = pools[input.TakeByte() % 3];
    const double factor = 1.0 + input.TakeBits<std::int8_t>() / 32.0;
    const WrongForecast forecast(count, factor, input.TakeBits<std::int16_t>());
    const std::string where = std::to_string(count) + " stripes, terms " + std::to_string(first) +
                              ".." + std::to_string(end);
    const StripeSums sums = StripeEngine(count, pool, forecast, path).AddTerms(first, end, start);
    for (const auto& [sum, from] :
         {std::pair{sums.above, start.above}, std::pair{sums.below, start.below}}) {
        Check(std::bit_cast<std::uint64_t>(sum) ==
                  std::bit_cast<std::uint64_t>(reference::StripeTerms(count, first, end, from)),
              "the engine adds a run of terms like the plain loop",
              where + " from " + std::to_string(from));
    }
    if (terms > 0) {
        CheckLevelCounter({count, first, first + std::min(terms, kMaxCountedTerms)},
                          input.TakeByte(), where);
    }
    simd_targets::Automatic();
    return 0;
}
