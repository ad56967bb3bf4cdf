// The SIMD hit count of the shooting engine.
#include "estimators/shot_kernel.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "runtime/counter_random_sequence.h"
#include "runtime/philox.h"

// Highway compiles this file once per SIMD target (foreach_target re-includes
// it); the dispatch table at the end picks the best target the processor has.
#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "estimators/shot_kernel.cpp"
#include <hwy/foreach_target.h>  // IWYU pragma: keep
#include <hwy/highway.h>

HWY_BEFORE_NAMESPACE();
namespace quadrix::shot_kernel {
namespace HWY_NAMESPACE {
namespace hn = hwy::HWY_NAMESPACE;

// One block per 64-bit lane; the four 32-bit words of a block live in the low
// halves of the lanes of four vectors. The high halves may hold leftovers of
// the multiplications: nothing below reads them.
using D64 = hn::ScalableTag<std::uint64_t>;
using DF = hn::Repartition<double, D64>;
using V64 = hn::Vec<D64>;
using VF = hn::Vec<DF>;
using MF = hn::Mask<DF>;

struct BlockWords {
    V64 word0;
    V64 word1;
    V64 word2;
    V64 word3;
};

// Two shots per lane.
struct LaneShots {
    V64 x0;
    V64 y0;
    V64 x1;
    V64 y1;
};

// Full 64-bit products of the low 32-bit halves of the lanes.
HWY_INLINE V64 MulLowHalves(V64 a, V64 b) {
#if HWY_TARGET == HWY_SCALAR
    const hn::Rebind<std::uint32_t, D64> d32;  // the one lane's low half
#else
    const hn::Repartition<std::uint32_t, D64> d32;
#endif
    return hn::MulEven(hn::BitCast(d32, a), hn::BitCast(d32, b));
}

// The multipliers and the key of each round in every lane, set up once per run.
// The key comes in at run time: were it a compile-time constant, the compiler
// would broadcast the round keys afresh in every pass of the loop instead of
// keeping them.
struct PhiloxConstants {
    PhiloxConstants(D64 d, philox::Key key)
        : multiplier0(hn::Set(d, philox::kMultiplier0)),
          multiplier1(hn::Set(d, philox::kMultiplier1)) {
        for (int round = 0; round < philox::kRounds; ++round) {
            key0[round] = hn::Set(d, key[0]);
            key1[round] = hn::Set(d, key[1]);
            key[0] += philox::kWeyl0;
            key[1] += philox::kWeyl1;
        }
    }
    V64 multiplier0;
    V64 multiplier1;
    V64 key0[philox::kRounds];
    V64 key1[philox::kRounds];
};

// How many vectors of blocks one pass computes side by side: enough to hide
// the latency of the multiplications, few enough to keep most of the state in
// registers. Timed with one thread on an AMD EPYC (Zen 5, with AVX-512): AVX2
// is fastest at 6 and plain code at 3, SSE4 and SSSE3 change little from 4 to
// 8, and AVX3 is about 8% slower at 7 than at 6.
#if HWY_TARGET == HWY_AVX3 || HWY_TARGET == HWY_AVX3_DL
constexpr std::size_t kInterleaved = 7;
#elif HWY_TARGET == HWY_AVX2
constexpr std::size_t kInterleaved = 6;
#elif HWY_TARGET == HWY_SCALAR
constexpr std::size_t kInterleaved = 3;
#else
constexpr std::size_t kInterleaved = 4;
#endif

// Philox4x32-10 of the counters {lo32(n), hi32(n), 0, 0}, n the block numbers
// in the lanes, under the sequence's key, for several vectors at once: their
// rounds interleave, which keeps more multiplications in flight.
template <std::size_t kVectors>
HWY_INLINE void PhiloxBlocks(const PhiloxConstants& c, const V64 (&blockNumbers)[kVectors],
                             BlockWords (&x)[kVectors]) {
    // Counter words 2 and 3 are zero, so the first round's second product is too.
    for (std::size_t v = 0; v < kVectors; ++v) {
        const V64 product = MulLowHalves(blockNumbers[v], c.multiplier0);
        x[v] = {hn::Xor(hn::ShiftRight<32>(blockNumbers[v]), c.key0[0]), hn::Zero(D64()),
                hn::Xor(hn::ShiftRight<32>(product), c.key1[0]), product};
    }
#pragma GCC unroll 16
    for (int round = 1; round < philox::kRounds; ++round) {
#pragma GCC unroll 16
        for (std::size_t v = 0; v < kVectors; ++v) {
            const V64 product0 = MulLowHalves(x[v].word0, c.multiplier0);
            const V64 product1 = MulLowHalves(x[v].word2, c.multiplier1);
            x[v] = {hn::Xor3(hn::ShiftRight<32>(product1), x[v].word1, c.key0[round]), product1,
                    hn::Xor3(hn::ShiftRight<32>(product0), x[v].word3, c.key1[round]), product0};
        }
    }
}

// The 32-bit word in the low half of each lane, as an exact double: putting it
// into the mantissa of 2^52 makes 2^52 + word, and taking 2^52 away is exact.
HWY_INLINE VF WordsAsDoubles(D64 d, V64 words) {
    const DF df;
    const V64 biased = hn::OrAnd(hn::Set(d, std::uint64_t{0x4330000000000000}), words,
                                 hn::Set(d, std::uint64_t{0xFFFFFFFF}));
    return hn::Sub(hn::BitCast(df, biased), hn::Set(df, 0x1p52));
}

// The shots that hit, for words a (x) and b (y). The plain test works on
// x = a * 2^-32 and y = b * 2^-32: x*x + y*y <= 1 in double. Here the words are
// used as they are: fl(fl(a*a) + fl(b*b)) <= 2^64. Both select the same shots:
// a and b are below 2^32, so they convert exactly and scaling them by 2^-32 is
// exact. Every product and sum in the plain test is 0 or at least 2^-64, far
// inside the normal range, where scaling by a power of two commutes with
// rounding: fl(x*x) = fl(a*a) * 2^-64, fl(y*y) = fl(b*b) * 2^-64 and their
// rounded sum is fl(fl(a*a) + fl(b*b)) * 2^-64, which is <= 1 exactly when the
// unscaled sum is <= 2^64. Multiplication and addition stay separate roundings
// (the build forbids contracting them into a fused multiply-add).
HWY_INLINE MF Hits(D64 d, V64 xWords, V64 yWords) {
    const DF df;
    const VF a = WordsAsDoubles(d, xWords);
    const VF b = WordsAsDoubles(d, yWords);
    return hn::Le(hn::Add(hn::Mul(a, a), hn::Mul(b, b)), hn::Set(df, 0x1p64));
}

// Puts the shots of the blocks in the lanes together. With the odd pairing each
// lane needs the last word of the block in the lane before; `lastWords` carries
// it over from one vector to the next: lastWords[lanes - 1] holds the last word
// of the block before the vector's first one.
template <Pairing kPairing>
HWY_INLINE LaneShots PairUp(D64 d, const BlockWords& words, std::uint64_t* lastWords) {
    if constexpr (kPairing == Pairing::kEven) {
        return {words.word0, words.word1, words.word2, words.word3};
    } else {
        const std::size_t lanes = hn::Lanes(d);
        hn::Store(words.word3, d, lastWords + lanes);
        const V64 previousWord3 = hn::LoadU(d, lastWords + lanes - 1);
        lastWords[lanes - 1] = lastWords[2 * lanes - 1];
        return {previousWord3, words.word0, words.word1, words.word2};
    }
}

// Hits of the two shots in each lane.
HWY_INLINE std::size_t CountHits(D64 d, const LaneShots& shots) {
    const DF df;
    return hn::CountTrue(df, Hits(d, shots.x0, shots.y0)) +
           hn::CountTrue(df, Hits(d, shots.x1, shots.y1));
}

// Hits of the two shots in each of the first `lanes` lanes.
HWY_INLINE std::size_t CountHits(D64 d, const LaneShots& shots, std::size_t lanes) {
    const DF df;
    const MF inRange = hn::FirstN(df, lanes);
    return hn::CountTrue(df, hn::And(inRange, Hits(d, shots.x0, shots.y0))) +
           hn::CountTrue(df, hn::And(inRange, Hits(d, shots.x1, shots.y1)));
}

template <Pairing kPairing>
std::int64_t CountBlockHitsPaired(std::uint64_t firstBlock, std::uint64_t blocks, philox::Key key) {
    const D64 d;
    const std::size_t lanes = hn::Lanes(d);
    HWY_ALIGN std::uint64_t lastWords[2 * hn::MaxLanes(D64())] = {};
    if constexpr (kPairing == Pairing::kOdd) {
        lastWords[lanes - 1] = CounterRandomSequence::WordAt(4 * firstBlock - 1);
    }
    const PhiloxConstants constants(d, key);
    const V64 step = hn::Set(d, std::uint64_t{lanes});
    V64 blockNumbers = hn::Add(hn::Iota(d, 0), hn::Set(d, firstBlock));
    std::uint64_t hits = 0;
    std::uint64_t done = 0;
    for (; done + kInterleaved * lanes <= blocks; done += kInterleaved * lanes) {
        V64 numbers[kInterleaved];
        for (V64& number : numbers) {
            number = blockNumbers;
            blockNumbers = hn::Add(blockNumbers, step);
        }
        BlockWords words[kInterleaved];
        PhiloxBlocks(constants, numbers, words);
        for (const BlockWords& vector : words) {
            hits += CountHits(d, PairUp<kPairing>(d, vector, lastWords));
        }
    }
    for (; done < blocks; done += lanes) {
        const V64 numbers[1] = {blockNumbers};
        BlockWords words[1];
        PhiloxBlocks(constants, numbers, words);
        const auto inRange =
            static_cast<std::size_t>(std::min<std::uint64_t>(lanes, blocks - done));
        hits += CountHits(d, PairUp<kPairing>(d, words[0], lastWords), inRange);
        blockNumbers = hn::Add(blockNumbers, step);
    }
    return static_cast<std::int64_t>(hits);
}

std::int64_t CountBlockHitsWithKey(std::uint64_t firstBlock, std::uint64_t blocks, bool oddPairing,
                                   std::uint32_t key0, std::uint32_t key1) {
    const philox::Key key = {key0, key1};
    return oddPairing ? CountBlockHitsPaired<Pairing::kOdd>(firstBlock, blocks, key)
                      : CountBlockHitsPaired<Pairing::kEven>(firstBlock, blocks, key);
}

std::int64_t CountWordHits(const std::uint32_t* xWords, const std::uint32_t* yWords,
                           std::size_t shots) {
    const D64 d;
    const DF df;
    const hn::Rebind<std::uint32_t, D64> d32;
    const std::size_t lanes = hn::Lanes(d);
    std::uint64_t hits = 0;
    std::size_t done = 0;
    for (; done + lanes <= shots; done += lanes) {
        const V64 x = hn::PromoteTo(d, hn::LoadU(d32, xWords + done));
        const V64 y = hn::PromoteTo(d, hn::LoadU(d32, yWords + done));
        hits += hn::CountTrue(df, Hits(d, x, y));
    }
    if (done < shots) {
        HWY_ALIGN std::uint32_t xRest[hn::MaxLanes(D64())] = {};
        HWY_ALIGN std::uint32_t yRest[hn::MaxLanes(D64())] = {};
        for (std::size_t i = done; i < shots; ++i) {
            xRest[i - done] = xWords[i];
            yRest[i - done] = yWords[i];
        }
        const V64 x = hn::PromoteTo(d, hn::LoadU(d32, xRest));
        const V64 y = hn::PromoteTo(d, hn::LoadU(d32, yRest));
        hits += hn::CountTrue(df, hn::And(hn::FirstN(df, shots - done), Hits(d, x, y)));
    }
    return static_cast<std::int64_t>(hits);
}

const char* TargetName() {
    return hwy::TargetName(HWY_TARGET);
}

}  // namespace HWY_NAMESPACE
}  // namespace quadrix::shot_kernel
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
namespace quadrix::shot_kernel {

HWY_EXPORT(CountBlockHitsWithKey);
HWY_EXPORT(CountWordHits);
HWY_EXPORT(TargetName);

std::int64_t CountBlockHits(std::uint64_t firstBlock, std::uint64_t blocks, Pairing pairing) {
    const philox::Key key = CounterRandomSequence::kKey;
    return HWY_DYNAMIC_DISPATCH(CountBlockHitsWithKey)(firstBlock, blocks, pairing == Pairing::kOdd,
                                                       key[0], key[1]);
}

std::int64_t CountWordHits(const std::uint32_t* xWords, const std::uint32_t* yWords,
                           std::size_t shots) {
    return HWY_DYNAMIC_DISPATCH(CountWordHits)(xWords, yWords, shots);
}

const char* TargetName() {
    return HWY_DYNAMIC_DISPATCH(TargetName)();
}

}  // namespace quadrix::shot_kernel
#endif  // HWY_ONCE
