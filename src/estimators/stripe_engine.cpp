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
// Where a chunk's grid sum is refused, it is halved until the parts take the
// grid; a part this short that still does not is added term by term.
constexpr Long kBlockLength = 512;

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
bool AdvanceOnGrid(double& sum, int binade, const StripeGridSum& grid) {
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
    : count_(count), pool_(pool), forecast_(forecast), path_(path) {
    const std::int64_t terms = static_cast<std::int64_t>(count) - 1;
    constexpr auto maxChunks = static_cast<std::int64_t>(kMaxChunks);
    const std::int64_t evenShare = (terms + maxChunks - 1) / maxChunks;
    const std::int64_t granular = (evenShare + kChunkGranule - 1) / kChunkGranule * kChunkGranule;
    const std::int64_t length = std::max(kMinChunkLength, granular);
    chunkLength_ = static_cast<Long>(std::min(length, terms));
    chunkCount_ = static_cast<std::size_t>((terms + chunkLength_ - 1) / chunkLength_);
}

StripeSums StripeEngine::Sums() const {
    ChunkTable table;
    pool_.ForEach(chunkCount_, [this, &table](std::size_t chunk) {
        SumChunkOnForecastGrids(chunk, table[chunk]);
    });
    return {AddChunks(table, &Chunk::above, 1.0), AddChunks(table, &Chunk::below, 0.0)};
}

StripeTermRange StripeEngine::ChunkRange(std::size_t chunk) const {
    const std::int64_t first = 1 + static_cast<std::int64_t>(chunk) * chunkLength_;
    const std::int64_t end = std::min<std::int64_t>(first + chunkLength_, count_);
    return {count_, static_cast<Long>(first), static_cast<Long>(end)};
}

// Both sums share a chunk's grid sum unless a power of two lies between them.
void StripeEngine::SumChunkOnForecastGrids(std::size_t chunk, Chunk& result) const {
    const StripeTermRange range = ChunkRange(chunk);
    result.above.binade = ForecastBinade(range, 1.0);
    result.below.binade = ForecastBinade(range, 0.0);
    if (result.above.binade != kNoBinade) {
        result.above.grid = GridSum(range, result.above.binade);
    }
    if (result.below.binade == result.above.binade) {
        result.below.grid = result.above.grid;
    } else if (result.below.binade != kNoBinade) {
        result.below.grid = GridSum(range, result.below.binade);
    }
}

int StripeEngine::ForecastBinade(const StripeTermRange& range, double start) const {
    const int binade = Binade(start + forecast_.HeightsBefore(range.first));
    // A chunk whose forecast leaves its binade would be refused anyway.
    const bool steady = binade >= SmallestExactBinade(range.end - range.first) &&
                        Binade(start + forecast_.HeightsBefore(range.end)) == binade;
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

double StripeEngine::AddChunks(const ChunkTable& table, ChunkPart Chunk::*part,
                               double start) const {
    double sum = start;
    for (std::size_t chunk = 0; chunk < chunkCount_; ++chunk) {
        const ChunkPart& forecast = table[chunk].*part;
        if (!AdvanceOnGrid(sum, forecast.binade, forecast.grid)) {
            sum = AddInParts(ChunkRange(chunk), sum);
        }
    }
    return sum;
}

// A range that crosses into the next binade or holds a tie is halved, so that
// only the short part around the crossing or tie is added term by term.
double StripeEngine::AddInParts(const StripeTermRange& range, double sum) const {
    if (AddOnGrid(range, sum)) {
        return sum;
    }
    if (range.end - range.first <= kBlockLength) {
        return AddInOrder(range, sum);
    }
    const Long middle = range.first + (range.end - range.first) / 2;
    sum = AddInParts({count_, range.first, middle}, sum);
    return AddInParts({count_, middle, range.end}, sum);
}

bool StripeEngine::AddOnGrid(const StripeTermRange& range, double& sum) const {
    const int binade = Binade(sum);
    if (binade < SmallestExactBinade(range.end - range.first)) {
        return false;
    }
    const StripeGridSum grid = GridSum(range, binade);
    return AdvanceOnGrid(sum, binade, grid);
}

// The plain loop itself; for a count of at least 2 no step can fault.
double StripeEngine::AddInOrder(const StripeTermRange& range, double sum) {
    const ScalarStripeOps ops(range.count);
    for (Long i = range.first; i < range.end; ++i) {
        sum = StripeHeightOf(ops, static_cast<double>(i)) + sum;
    }
    return sum;
}

}  // namespace quadrix
