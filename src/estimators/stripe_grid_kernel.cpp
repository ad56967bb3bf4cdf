// The SIMD sums of stripe heights rounded onto a grid.
#include "estimators/stripe_grid_kernel.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

// Highway compiles this file once per SIMD target (foreach_target re-includes
// it); the dispatch table at the end picks the best target the processor has.
#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "estimators/stripe_grid_kernel.cpp"
#include <hwy/foreach_target.h>  // IWYU pragma: keep
#include <hwy/highway.h>

#include "estimators/stripe_height-inl.h"

HWY_BEFORE_NAMESPACE();
namespace quadrix::stripe_grid_kernel {
namespace HWY_NAMESPACE {
namespace hn = hwy::HWY_NAMESPACE;

// Adds the rounded heights of the terms first, first + 1, ... in whole vectors
// of d onto sum and returns the first term left over. The height is the plain
// loop's formula on correctly rounded vector operations, so a lane gets the
// plain loop's bits. Scaling by a power of two and taking the distance to the
// nearest integer are exact, so a distance of exactly 0.5 is a true tie (and
// anything else cannot reach 0.5).
template <bool kPowerOfTwo, class D>
Long AddWholeVectors(D d, const StripeTermRange& range, Long first, int scaleExponent,
                     StripeGridSum& sum) {
    using V = hn::Vec<D>;
    const auto lanes = static_cast<Long>(hn::Lanes(d));
    const VectorStripeHeights<kPowerOfTwo, D> heights(d, range.count);
    const V step = hn::Set(d, static_cast<double>(lanes));
    const V scale = hn::Set(d, std::ldexp(1.0, scaleExponent));
    V units = hn::Zero(d);
    V farthest = hn::Zero(d);

    V index = hn::Iota(d, static_cast<double>(first));
    Long next = first;
    for (; range.end - next >= lanes; next += lanes) {
        const V scaled = hn::Mul(heights.At(index), scale);
        const V rounded = hn::Round(scaled);
        units = hn::Add(units, rounded);
        farthest = hn::Max(farthest, hn::Abs(hn::Sub(scaled, rounded)));
        index = hn::Add(index, step);
    }

    sum.units += hn::GetLane(hn::SumOfLanes(d, units));
    sum.noTie = sum.noTie && hn::GetLane(hn::MaxOfLanes(d, farthest)) < 0.5;
    return next;
}

template <bool kPowerOfTwo>
StripeGridSum SumRange(const StripeTermRange& range, int scaleExponent) {
    StripeGridSum sum;
    const hn::ScalableTag<double> full;
    const Long rest = AddWholeVectors<kPowerOfTwo>(full, range, range.first, scaleExponent, sum);
    const hn::CappedTag<double, 1> single;
    AddWholeVectors<kPowerOfTwo>(single, range, rest, scaleExponent, sum);
    return sum;
}

StripeGridSum SumOnGrid(const StripeTermRange& range, int scaleExponent) {
    const bool powerOfTwo = (range.count & (range.count - 1)) == 0;
    return powerOfTwo ? SumRange<true>(range, scaleExponent)
                      : SumRange<false>(range, scaleExponent);
}

// Settles the crossings of whole vectors of levels from level `done` on, adding
// the settled indices to crossings.indexSum and listing the other levels;
// returns the first level left over. Per level: the exact curve's crossing
// x = count sqrt(1 - v^2), (1 - v)(1 + v) keeping it close near the top of the
// curve, and its ceiling taken unless x lies within the margin of a whole
// number or the ceiling is not past the range's first index (see Margin in
// stripe_level_counter.cpp for why that settles it without a single height).
template <class D>
std::size_t SettleWholeVectors(D d, const StripeLevelBatch& batch, std::size_t done,
                               StripeCrossings& crossings) {
    using V = hn::Vec<D>;
    const std::size_t lanes = hn::Lanes(d);
    const V unit = hn::Set(d, std::ldexp(1.0, -batch.scaleExponent));
    const V count = hn::Set(d, static_cast<double>(batch.range.count));
    const V lowestCrossing = hn::Set(d, static_cast<double>(batch.range.first + 1));
    const V margin = hn::Set(d, batch.margin);
    const V farMargin = hn::Set(d, 1.0 - batch.margin);
    const V one = hn::Set(d, 1.0);
    const V step = hn::Set(d, static_cast<double>(lanes));
    V level = hn::Iota(d, static_cast<double>(batch.firstLevel) + static_cast<double>(done) + 0.5);
    V indexSum = hn::Zero(d);
    for (; batch.levels - done >= lanes; done += lanes) {
        const V v = hn::Mul(level, unit);
        const V x = hn::Mul(hn::Sqrt(hn::Mul(hn::Sub(one, v), hn::Add(one, v))), count);
        const V crossing = hn::Ceil(x);
        const V gap = hn::Sub(crossing, x);
        const auto settled = hn::And(hn::And(hn::Gt(gap, margin), hn::Lt(gap, farMargin)),
                                     hn::Ge(crossing, lowestCrossing));
        indexSum = hn::Add(indexSum, hn::IfThenElseZero(settled, crossing));
        if (!hn::AllTrue(d, settled)) {
            // At most `done` levels are listed so far, so the store (which may
            // fill a whole vector) stays within the batch's levels.
            const hn::RebindToSigned<D> di;
            const auto levelNumbers =
                hn::Iota(di, batch.firstLevel + static_cast<std::int64_t>(done));
            crossings.unsettledCount +=
                hn::CompressStore(levelNumbers, hn::RebindMask(di, hn::Not(settled)), di,
                                  crossings.unsettled.subspan(crossings.unsettledCount).data());
        }
        level = hn::Add(level, step);
    }
    crossings.indexSum += hn::GetLane(hn::SumOfLanes(d, indexSum));
    return done;
}

void SettleCrossings(const StripeLevelBatch& batch, StripeCrossings& crossings) {
    HWY_ASSERT(crossings.unsettled.size() >= batch.levels);
    crossings.indexSum = 0.0;
    crossings.unsettledCount = 0;
    const hn::ScalableTag<double> full;
    const std::size_t rest = SettleWholeVectors(full, batch, 0, crossings);
    const hn::CappedTag<double, 1> single;
    SettleWholeVectors(single, batch, rest, crossings);
}

const char* TargetName() {
    return hwy::TargetName(HWY_TARGET);
}

}  // namespace HWY_NAMESPACE
}  // namespace quadrix::stripe_grid_kernel
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
namespace quadrix::stripe_grid_kernel {

HWY_EXPORT(SumOnGrid);
HWY_EXPORT(SettleCrossings);
HWY_EXPORT(TargetName);

StripeGridSum SumOnGrid(const StripeTermRange& range, int scaleExponent) {
    return HWY_DYNAMIC_DISPATCH(SumOnGrid)(range, scaleExponent);
}

void SettleCrossings(const StripeLevelBatch& batch, StripeCrossings& crossings) {
    HWY_DYNAMIC_DISPATCH(SettleCrossings)(batch, crossings);
}

const char* TargetName() {
    return HWY_DYNAMIC_DISPATCH(TargetName)();
}

}  // namespace quadrix::stripe_grid_kernel
#endif  // HWY_ONCE
