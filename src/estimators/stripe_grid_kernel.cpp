#include "estimators/stripe_grid_kernel.h"

#include <cmath>

// Compiled once per instruction set; the best one the processor has is picked
// at run time.
#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "estimators/stripe_grid_kernel.cpp"
#include <hwy/foreach_target.h>  // IWYU pragma: keep
#include <hwy/highway.h>

HWY_BEFORE_NAMESPACE();
namespace quadrix::stripe_grid {
namespace HWY_NAMESPACE {
namespace hn = hwy::HWY_NAMESPACE;

constexpr std::size_t kMaxGrids = 2;

// Adds the rounded heights of the terms first, first + 1, ... in whole vectors
// of d onto sums and returns the first term left over. Only Mul, Sub, Div and
// Sqrt shape a height, never a fused multiply-add: each is correctly rounded,
// so a lane gets the same bits as the plain loop. Scaling by a power of two
// and taking the distance to the nearest integer are exact, so a distance of
// exactly 0.5 is a true tie (and anything else cannot reach 0.5).
template <bool kPowerOfTwo, std::size_t kGrids, class D>
Long AddWholeVectors(D d, const StripeTermRange& range, Long first, const int* scaleExponents,
                     StripeGridSum* sums) {
    using V = hn::Vec<D>;
    const auto lanes = static_cast<Long>(hn::Lanes(d));
    const V one = hn::Set(d, 1.0);
    const V count = hn::Set(d, static_cast<double>(range.count));
    // For a power-of-two count, i * (1 / count) is exact and so equals i / count.
    const V reciprocal = hn::Set(d, 1.0 / static_cast<double>(range.count));
    const V step = hn::Set(d, static_cast<double>(lanes));

    V scales[kGrids];
    V units[kGrids];
    V farthest[kGrids];
    for (std::size_t g = 0; g < kGrids; ++g) {
        scales[g] = hn::Set(d, std::ldexp(1.0, scaleExponents[g]));
        units[g] = hn::Zero(d);
        farthest[g] = hn::Zero(d);
    }

    V index = hn::Iota(d, static_cast<double>(first));
    Long next = first;
    for (; range.end - next >= lanes; next += lanes) {
        V t;
        if constexpr (kPowerOfTwo) {
            t = hn::Mul(index, reciprocal);
        } else {
            t = hn::Div(index, count);
        }
        const V height = hn::Sqrt(hn::Sub(one, hn::Mul(t, t)));
        for (std::size_t g = 0; g < kGrids; ++g) {
            const V scaled = hn::Mul(height, scales[g]);
            const V rounded = hn::Round(scaled);
            units[g] = hn::Add(units[g], rounded);
            farthest[g] = hn::Max(farthest[g], hn::Abs(hn::Sub(scaled, rounded)));
        }
        index = hn::Add(index, step);
    }

    for (std::size_t g = 0; g < kGrids; ++g) {
        sums[g].units += hn::GetLane(hn::SumOfLanes(d, units[g]));
        sums[g].noTie = sums[g].noTie && hn::GetLane(hn::MaxOfLanes(d, farthest[g])) < 0.5;
    }
    return next;
}

template <bool kPowerOfTwo, std::size_t kGrids>
void SumRange(const StripeTermRange& range, const int* scaleExponents, StripeGridSum* sums) {
    for (std::size_t g = 0; g < kGrids; ++g) {
        sums[g] = StripeGridSum{};
    }
    const hn::ScalableTag<double> full;
    const Long rest =
        AddWholeVectors<kPowerOfTwo, kGrids>(full, range, range.first, scaleExponents, sums);
    const hn::CappedTag<double, 1> single;
    AddWholeVectors<kPowerOfTwo, kGrids>(single, range, rest, scaleExponents, sums);
}

template <std::size_t kGrids>
void SumRangeOnGrids(const StripeTermRange& range, const int* scaleExponents, StripeGridSum* sums) {
    const bool powerOfTwo = (range.count & (range.count - 1)) == 0;
    if (powerOfTwo) {
        SumRange<true, kGrids>(range, scaleExponents, sums);
    } else {
        SumRange<false, kGrids>(range, scaleExponents, sums);
    }
}

void SumOnGrids(const StripeTermRange& range, const int* scaleExponents, std::size_t grids,
                StripeGridSum* sums) {
    if (grids == kMaxGrids) {
        SumRangeOnGrids<kMaxGrids>(range, scaleExponents, sums);
    } else if (grids == 1) {
        SumRangeOnGrids<1>(range, scaleExponents, sums);
    }
}

const char* TargetName() {
    return hwy::TargetName(HWY_TARGET);
}

}  // namespace HWY_NAMESPACE
}  // namespace quadrix::stripe_grid
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
namespace quadrix {
namespace stripe_grid {

HWY_EXPORT(SumOnGrids);
HWY_EXPORT(TargetName);

void Dispatch(const StripeTermRange& range, const int* scaleExponents, std::size_t grids,
              StripeGridSum* sums) {
    HWY_DYNAMIC_DISPATCH(SumOnGrids)(range, scaleExponents, grids, sums);
}

const char* DispatchTargetName() {
    return HWY_DYNAMIC_DISPATCH(TargetName)();
}

}  // namespace stripe_grid

void SumStripeTermsOnGrids(const StripeTermRange& range, const int* scaleExponents,
                           std::size_t grids, StripeGridSum* sums) {
    stripe_grid::Dispatch(range, scaleExponents, grids, sums);
}

const char* StripeGridKernelTarget() {
    return stripe_grid::DispatchTargetName();
}

}  // namespace quadrix
#endif  // HWY_ONCE
