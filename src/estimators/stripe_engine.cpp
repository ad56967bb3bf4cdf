// Both stripe sums, exact and on many threads.
#include "estimators/stripe_engine.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

#include "estimators/stripe_grid_kernel.h"
#include "estimators/stripe_height.h"
#include "estimators/stripe_level_counter.h"

namespace quadrix {
namespace {

constexpr int kMantissaBits = 52;
constexpr double kMantissaEnd = 0x1p53;
constexpr int kNoBinade = -1;

// Chunks shorter than this spend more on handing out work than on summing.
constexpr std::int64_t kMinChunkLength = 4096;
// A multiple of every SIMD width, so that only the very last chunk has a tail.
constexpr std::int64_t kChunkGranule = 64;

// e with sum in [2^e, 2^(e+1)), or kNoBinade below 1.
int Binade(double sum) {
    return sum >= 1.0 ? std::ilogb(sum) : kNoBinade;
}

// The smallest binade e in which a grid sum of `terms` heights stays an exact
// integer: each height is at most 1, i.e. at most 2^(52-e) grid units, so with
// terms <= 2^e every partial sum stays at most 2^52 + terms / 2 < 2^53.
int SmallestExactBinade(Long terms) {
    return static_cast<int>(std::bit_width(static_cast<std::uint32_t>(terms - 1)));
}

// While a running sum s stays in one binade [2^e, 2^(e+1)), it is a multiple
// of ulp = 2^(e-52), and s + x rounds onto that same grid: with s = m * ulp
// (m an integer in [2^52, 2^53)) and y = x / ulp (exact, a power-of-two
// scaling), fl(s + x) = (m + q) * ulp where q is y rounded to the nearest
// integer, unless y lies exactly halfway between two integers: only then does
// the result (round half to even) depend on the last bit of m. So when no
// height of a run is a tie, the run adds Q = sum of its q, in any order,
// provided every partial sum stayed in the binade. The q are not negative, so
// the partial sums grow and it is enough that m + Q < 2^53; a partial sum that
// reached 2^(e+1) would have to show in m + Q as well. Then the new sum is
// exactly (m + Q) * ulp. Everything else (a tie, a crossing, a sum outside the
// expected binade) is refused and the caller adds those heights another way.
bool AddGridSumIfExact(double& sum, int binade, const StripeGridSum& grid) {
    if (!grid.noTie || binade == kNoBinade || Binade(sum) != binade) {
        return false;
    }
    const double mantissa = std::ldexp(sum, kMantissaBits - binade);
    // Exact below 2^53; at or above it, rounding cannot bring it back below.
    const double total = mantissa + grid.units;
    if (!(total < kMantissaEnd)) {
        return false;
    }
    sum = std::ldexp(total, binade - kMantissaBits);
    return true;
}

}  // namespace

StripeEngine::StripeEngine(Long count, WorkerPool& pool, const StripeSumForecast& forecast,
                           GridPath path)
    : count_(count), pool_(pool), forecast_(forecast), path_(path) {}

StripeSums StripeEngine::Sums() const {
    return AddTerms(1, count_, {1.0, 0.0});
}

StripeSums StripeEngine::AddTerms(Long first, Long end, StripeSums start) const {
    if (end <= first) {
        return start;
    }
    const ChunkLayout layout = LayOutChunks(first, end);
    // Where the forecast puts each sum before term i: its start, less the
    // heights it counts before `first`, plus those before i.
    const double heightsBefore = forecast_.HeightsBefore(first);
    const StripeSums forecastStart{start.above - heightsBefore, start.below - heightsBefore};
    ChunkTable table;
    const auto sumChunk = [&](std::size_t chunk) {
        table[chunk] = SumOnForecastGrids(ChunkRange(layout, chunk), forecastStart);
    };
    // A lambda holding one reference fits into std::function without allocating.
    pool_.ForEach(layout.count, [&sumChunk](std::size_t chunk) { sumChunk(chunk); });
    return {AddChunksInOrder(table, layout, kAbove, start.above),
            AddChunksInOrder(table, layout, kBelow, start.below)};
}

StripeEngine::ChunkLayout StripeEngine::LayOutChunks(Long first, Long end) {
    const std::int64_t terms = static_cast<std::int64_t>(end) - first;
    constexpr auto maxChunks = static_cast<std::int64_t>(kMaxChunks);
    const std::int64_t evenShare = (terms + maxChunks - 1) / maxChunks;
    const std::int64_t granular = (evenShare + kChunkGranule - 1) / kChunkGranule * kChunkGranule;
    const std::int64_t length = std::min(std::max(kMinChunkLength, granular), terms);
    return {first, end, static_cast<Long>(length),
            static_cast<std::size_t>((terms + length - 1) / length)};
}

StripeTermRange StripeEngine::ChunkRange(const ChunkLayout& layout, std::size_t chunk) const {
    const std::int64_t first = layout.first + static_cast<std::int64_t>(chunk) * layout.length;
    const std::int64_t end = std::min<std::int64_t>(first + layout.length, layout.end);
    return {count_, static_cast<Long>(first), static_cast<Long>(end)};
}

// Both sums share a chunk's grid sum unless a power of two lies between them.
StripeEngine::Chunk StripeEngine::SumOnForecastGrids(const StripeTermRange& range,
                                                     const StripeSums& forecastStart) const {
    Chunk result;
    ChunkPart& above = result[kAbove];
    ChunkPart& below = result[kBelow];
    above.binade = ForecastBinade(range, forecastStart.above);
    below.binade = ForecastBinade(range, forecastStart.below);
    if (above.binade != kNoBinade) {
        above.grid = GridSum(range, above.binade);
    }
    if (below.binade == above.binade) {
        below.grid = above.grid;
    } else if (below.binade != kNoBinade) {
        below.grid = GridSum(range, below.binade);
    }
    return result;
}

int StripeEngine::ForecastBinade(const StripeTermRange& range, double forecastStart) const {
    const int binade = Binade(forecastStart + forecast_.HeightsBefore(range.first));
    // A chunk whose forecast leaves its binade would be refused anyway.
    const bool steady = binade >= SmallestExactBinade(range.end - range.first) &&
                        Binade(forecastStart + forecast_.HeightsBefore(range.end)) == binade;
    return steady ? binade : kNoBinade;
}

bool StripeEngine::Counts(const StripeLevelCounter& counter) const {
    switch (path_) {
        case GridPath::kKernel:
            return false;
        case GridPath::kCounting:
            return counter.Feasible();
        case GridPath::kCheapest:
            break;
    }
    return counter.Cheaper();
}

StripeGridSum StripeEngine::GridSum(const StripeTermRange& range, int binade) const {
    const int scaleExponent = kMantissaBits - binade;
    if (const StripeLevelCounter counter(range, scaleExponent); Counts(counter)) {
        return counter.Sum();
    }
    return stripe_grid_kernel::SumOnGrid(range, scaleExponent);
}

double StripeEngine::AddChunksInOrder(const ChunkTable& table, const ChunkLayout& layout,
                                      std::size_t sum, double start) const {
    double running = start;
    for (std::size_t chunk = 0; chunk < layout.count; ++chunk) {
        const ChunkPart& forecast = table[chunk][sum];
        if (!AddGridSumIfExact(running, forecast.binade, forecast.grid)) {
            running = AddHalving(ChunkRange(layout, chunk), running);
        }
    }
    return running;
}

// A range that crosses into the next binade or holds a tie is halved, so that
// only the short part around the crossing or tie is added by the plain loop.
double StripeEngine::AddHalving(const StripeTermRange& range, double sum) const {
    if (AddPartOnGrid(range, sum)) {
        return sum;
    }
    if (range.end - range.first <= kPlainLength) {
        return AddPlainly(range, sum);
    }
    const Long middle = range.first + (range.end - range.first) / 2;
    sum = AddHalving({count_, range.first, middle}, sum);
    return AddHalving({count_, middle, range.end}, sum);
}

// The part summed on the grid of the binade the running sum is in.
bool StripeEngine::AddPartOnGrid(const StripeTermRange& range, double& sum) const {
    const int binade = Binade(sum);
    if (binade < SmallestExactBinade(range.end - range.first)) {
        return false;
    }
    const StripeGridSum grid = GridSum(range, binade);
    return AddGridSumIfExact(sum, binade, grid);
}

// The plain loop itself; for a count of at least 2 no step can fault.
double StripeEngine::AddPlainly(const StripeTermRange& range, double sum) {
    const StripeHeights heights(range.count);
    for (Long i = range.first; i < range.end; ++i) {
        sum = heights.At(static_cast<double>(i)) + sum;
    }
    return sum;
}

}  // namespace quadrix
