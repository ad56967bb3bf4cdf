#include "estimators/stripe_grid_kernel.h"

#include <cmath>

// Compiled once per instruction set; the best one the processor has is picked
// at run time.
#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "estimators/stripe_grid_kernel.cpp"
#include <hwy/foreach_target.h>  // IWYU pragma: keep
#include <hwy/highway.h>

#include "estimators/stripe_height.h"

HWY_BEFORE_NAMESPACE();
namespace quadrix::stripe_grid_kernel {
namespace HWY_NAMESPACE {
namespace hn = hwy::HWY_NAMESPACE;

constexpr std::size_t kMaxGrids = 2;

// The operations of the stripe height on vectors of d. For a power-of-two
// count, i * (1 / count) is exact and so equals i / count.
template <bool kPowerOfTwo, class D>
class VectorStripeOps {
  public:
    using V = hn::Vec<D>;

    VectorStripeOps(D d, Long count)
        : one_(hn::Set(d, 1.0)),
          count_(hn::Set(d, static_cast<double>(count))),
          reciprocal_(hn::Set(d, 1.0 / static_cast<double>(count))) {}

    V Fraction(V index) const {
        if constexpr (kPowerOfTwo) {
            return hn::Mul(index, reciprocal_);
        } else {
            return hn::Div(index, count_);
        }
    }
    V One() const { return one_; }
    static V Mul(V a, V b) { return hn::Mul(a, b); }
    static V Sub(V a, V b) { return hn::Sub(a, b); }
    static V Sqrt(V a) { return hn::Sqrt(a); }

  private:
    V one_;
    V count_;
    V reciprocal_;
};

// Adds the rounded heights of the terms first, first + 1, ... in whole vectors
// of d onto sums and returns the first term left over. The height is the plain
// loop's formula on correctly rounded vector operations, so a lane gets the
// plain loop's bits. Scaling by a power of two
// and taking the distance to the nearest integer are exact, so a distance of
// exactly 0.5 is a true tie (and anything else cannot reach 0.5).
template <bool kPowerOfTwo, std::size_t kGrids, class D>
Long AddWholeVectors(D d, const StripeTermRange& range, Long first, const int* scaleExponents,
                     StripeGridSum* sums) {
    using V = hn::Vec<D>;
    const auto lanes = static_cast<Long>(hn::Lanes(d));
    const VectorStripeOps<kPowerOfTwo, D> ops(d, range.count);
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
        const V height = StripeHeightOf(ops, index);
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

// Whole vectors of d from level `done` on; returns the first level left over.
template <bool kPowerOfTwo, class D>
std::size_t GuessWholeVectors(D d, const StripeTermRange& range, int scaleExponent,
                              std::int64_t firstLevel, std::size_t done, std::size_t levels,
                              double* crossings) {
    using V = hn::Vec<D>;
    const std::size_t lanes = hn::Lanes(d);
    const VectorStripeOps<kPowerOfTwo, D> ops(d, range.count);
    const V scale = hn::Set(d, std::ldexp(1.0, scaleExponent));
    const V unit = hn::Set(d, std::ldexp(1.0, -scaleExponent));
    const V lowest = hn::Set(d, static_cast<double>(range.first + 1));
    const V highest = hn::Set(d, static_cast<double>(range.end - 1));
    const V count = hn::Set(d, static_cast<double>(range.count));
    const V one = hn::Set(d, 1.0);
    const V step = hn::Set(d, static_cast<double>(lanes));
    V level = hn::Iota(d, static_cast<double>(firstLevel) + static_cast<double>(done) + 0.5);
    for (; levels - done >= lanes; done += lanes) {
        // (1 - v)(1 + v) keeps the guess close near the top of the curve.
        const V v = hn::Mul(level, unit);
        const V t = hn::Sqrt(hn::Mul(hn::Sub(one, v), hn::Add(one, v)));
        const V guess = hn::Min(hn::Max(hn::Ceil(hn::Mul(t, count)), lowest), highest);
        const V at = hn::Mul(StripeHeightOf(ops, guess), scale);
        const V before = hn::Mul(StripeHeightOf(ops, hn::Sub(guess, one)), scale);
        const auto settled = hn::And(hn::Lt(at, level), hn::Gt(before, level));
        hn::StoreU(hn::IfThenElseZero(settled, guess), d, crossings + done);
        level = hn::Add(level, step);
    }
    return done;
}

template <bool kPowerOfTwo>
void GuessCrossingsFor(const StripeTermRange& range, int scaleExponent, std::int64_t firstLevel,
                       std::size_t levels, double* crossings) {
    const hn::ScalableTag<double> full;
    const std::size_t rest = GuessWholeVectors<kPowerOfTwo>(full, range, scaleExponent, firstLevel,
                                                            0, levels, crossings);
    const hn::CappedTag<double, 1> single;
    GuessWholeVectors<kPowerOfTwo>(single, range, scaleExponent, firstLevel, rest, levels,
                                   crossings);
}

void GuessCrossings(const StripeTermRange& range, int scaleExponent, std::int64_t firstLevel,
                    std::size_t levels, double* crossings) {
    if ((range.count & (range.count - 1)) == 0) {
        GuessCrossingsFor<true>(range, scaleExponent, firstLevel, levels, crossings);
    } else {
        GuessCrossingsFor<false>(range, scaleExponent, firstLevel, levels, crossings);
    }
}

const char* TargetName() {
    return hwy::TargetName(HWY_TARGET);
}

}  // namespace HWY_NAMESPACE
}  // namespace quadrix::stripe_grid_kernel
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
namespace quadrix::stripe_grid_kernel {

HWY_EXPORT(SumOnGrids);
HWY_EXPORT(GuessCrossings);
HWY_EXPORT(TargetName);

void SumOnGrids(const StripeTermRange& range, const int* scaleExponents, std::size_t grids,
                StripeGridSum* sums) {
    HWY_DYNAMIC_DISPATCH(SumOnGrids)(range, scaleExponents, grids, sums);
}

void GuessCrossings(const StripeTermRange& range, int scaleExponent, std::int64_t firstLevel,
                    std::size_t levels, double* crossings) {
    HWY_DYNAMIC_DISPATCH(GuessCrossings)(range, scaleExponent, firstLevel, levels, crossings);
}

const char* TargetName() {
    return HWY_DYNAMIC_DISPATCH(TargetName)();
}

}  // namespace quadrix::stripe_grid_kernel
#endif  // HWY_ONCE
