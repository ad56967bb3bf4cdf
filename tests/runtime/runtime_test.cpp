#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <stdexcept>
#include <string>
#include <utility>

#include "runtime/counter_random_sequence.h"
#include "runtime/double_arithmetic.h"
#include "runtime/errors.h"
#include "runtime/long_arithmetic.h"
#include "runtime/number_parser.h"
#include "runtime/number_text.h"
#include "runtime/worker_pool.h"

namespace quadrix {
namespace {

using namespace std::string_literals;
constexpr Long kMinLong = std::numeric_limits<Long>::min();
constexpr Long kMaxLong = std::numeric_limits<Long>::max();

TEST(Arithmetic, LongResultsBeyondLongOverflowAndDoubleFaultsRaiseTheirOwnErrors) {
    EXPECT_EQ(LongAdd(kMaxLong - 1, 1), kMaxLong);
    EXPECT_THROW(LongAdd(kMaxLong, 1), Overflow);
    EXPECT_EQ(LongSub(kMinLong + 1, 1), kMinLong);
    EXPECT_EQ(LongMul(1073741824, -2), kMinLong);
    EXPECT_THROW(DoubleDiv(0.0, 0.0), InvalidOperation);
    EXPECT_THROW(DoubleDiv(-4.0, -0.0), DivisionByZero);
    EXPECT_THROW(DoubleSqrt(-1e-300), InvalidOperation);
    EXPECT_TRUE(std::signbit(DoubleSqrt(-0.0)));  // the root of -0 is -0, no fault
    EXPECT_THROW(DoubleMul(1e200, 1e200), FloatingPointOverflow);
}

TEST(CounterRandomSequence, ValueKIsWordKModFourOfPhiloxBlockKDivFourScaledBelowOne) {
    // From the Random123 distribution's known-answer tests (kat_vectors).
    EXPECT_EQ(
        Philox::Block({0x243f6a88, 0x85a308d3, 0x13198a2e, 0x03707344}, {0xa4093822, 0x299f31d0}),
        (Philox::Counter{0xd16cfe09, 0x94fdcceb, 0x5001e420, 0x24126ea1}));
    const Philox::Counter block5 = Philox::Block({5, 0, 0, 0}, CounterRandomSequence::kKey);
    for (std::uint64_t word = 0; word < 4; ++word) {
        EXPECT_EQ(CounterRandomSequence::ValueAt(20 + word), block5[word] * 0x1p-32);
    }
    EXPECT_EQ(CounterRandomSequence::WordAt(((1ULL << 32) + 7) * 4 + 2),
              Philox::Block({7, 1, 0, 0}, CounterRandomSequence::kKey)[2]);
}

TEST(NumberParser, AcceptsDecimalNumbersOnlyAndRoundsThemHalfToEvenOrFailsBeyondLong) {
    for (const char* text : {"  10 ", "\t-3", "+7", ".5", "5.", "1E+3", "2.5e-1", "1e99999999"}) {
        EXPECT_TRUE(IsNumeric(text, ".")) << text;
    }
    // "1\0002" is 1, NUL, 2.
    for (const std::string& text :
         {""s, "   "s, "-"s, "."s, "-."s, "e5"s, "1e"s, "1e+"s, "0x1A"s, "&H10"s, "inf"s, "nan"s,
          "1 000"s, "1,5"s, "--1"s, "1.2.3"s, "1\0002"s, "\xef\xbc\x91"s}) {
        EXPECT_FALSE(IsNumeric(text, ".")) << text;
    }
    for (const auto& [text, value] :
         {std::pair{"2.5", 2}, std::pair{"3.5", 4}, std::pair{"-2.5", -2},
          std::pair{"2.5000000000000000000001", 3}, std::pair{"0.50001", 1}, std::pair{"-0.4", 0},
          std::pair{"1.5e1", 15}, std::pair{"25e-1", 2}, std::pair{"1e-999999999999999", 0},
          std::pair{" 000000000000000000000000042 ", 42}, std::pair{"2147483646.5", 2147483646},
          std::pair{"2147483647.4999", 2147483647}, std::pair{"-2147483648", kMinLong}}) {
        EXPECT_EQ(TextToLong(text, "."), value) << text;
    }
    for (const std::string& text : {"2147483647.5"s, "2147483648"s, "-2147483649"s, "1e10"s,
                                    "1e999999999999999999999"s, std::string(100000, '9')}) {
        EXPECT_THROW(TextToLong(text, "."), Overflow) << text;
    }
    for (const std::string& text : {""s, "abc"s, "5\0"s}) {
        EXPECT_THROW(TextToLong(text, "."), ConversionError) << text;
    }
}

TEST(NumberText, DoublesToFifteenDigitsWithoutTrailingZeros) {
    for (const auto& [value, text] :
         {std::pair{-0.0, "0"}, std::pair{-1.25, "-1.25"},
          std::pair{std::numbers::pi, "3.14159265358979"},
          std::pair{2.0 / 3.0, "0.666666666666667"}, std::pair{0.1 + 0.2, "0.3"},
          std::pair{9.9999999999999999, "10"}, std::pair{999999999999999.9, "1E+15"},
          std::pair{123456789012345.0, "123456789012345"}, std::pair{-1.5e15, "-1.5E+15"},
          std::pair{0.0001234, "0.0001234"},
          std::pair{-4.0 / 2147483648.0, "-1.86264514923096E-09"}, std::pair{1e-300, "1E-300"},
          std::pair{std::numeric_limits<double>::max(), "1.79769313486232E+308"}}) {
        EXPECT_EQ(DoubleToText(value, "."), text) << value;
    }
}

// That every task runs once shows in the exact sums and counts of the engines.
TEST(WorkerPool, RethrowsAFailureAfterTheOtherTasksAndMayBeUsedFromATask) {
    for (const unsigned threads : {1u, 3u}) {
        WorkerPool pool(threads);
        std::atomic<int> finished{0};
        const auto failAtFive = [&](std::size_t i) {
            if (i == 5) {
                throw std::runtime_error("task failed");
            }
            pool.ForEach(3, [&](std::size_t) { finished.fetch_add(1); });
        };
        EXPECT_THROW(pool.ForEach(64, failAtFive), std::runtime_error);
        EXPECT_EQ(finished.load(), 63 * 3) << threads << " threads";
    }
}

}  // namespace
}  // namespace quadrix
