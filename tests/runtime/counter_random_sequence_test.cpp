#include "runtime/counter_random_sequence.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include "estimators/reference_loops.h"
#include "runtime/philox.h"
#include "runtime/worker_pool.h"

namespace quadrix {
namespace {

TEST(Philox, KnownAnswerVectors) {
    // From the Random123 distribution's known-answer tests (kat_vectors).
    EXPECT_EQ(Philox::Block({0, 0, 0, 0}, {0, 0}),
              (Philox::Counter{0x6627e8d5, 0xe169c58d, 0xbc57ac4c, 0x9b00dbd8}));
    EXPECT_EQ(
        Philox::Block({0xffffffff, 0xffffffff, 0xffffffff, 0xffffffff}, {0xffffffff, 0xffffffff}),
        (Philox::Counter{0x408f276d, 0x41c83b0e, 0xa20bc7c6, 0x6d5451fd}));
    EXPECT_EQ(
        Philox::Block({0x243f6a88, 0x85a308d3, 0x13198a2e, 0x03707344}, {0xa4093822, 0x299f31d0}),
        (Philox::Counter{0xd16cfe09, 0x94fdcceb, 0x5001e420, 0x24126ea1}));
}

TEST(CounterRandomSequence, ValueKIsWordKModFourOfBlockKDivFourScaledBelowOne) {
    const Philox::Counter block5 = Philox::Block({5, 0, 0, 0}, CounterRandomSequence::kKey);
    const Philox::Counter blockHigh =
        Philox::Block({7, 1, 0, 0}, CounterRandomSequence::kKey);  // block 2^32 + 7
    for (std::uint64_t word = 0; word < 4; ++word) {
        EXPECT_EQ(CounterRandomSequence::WordAt(20 + word), block5[word]);
        EXPECT_EQ(CounterRandomSequence::WordAt(((1ULL << 32) + 7) * 4 + word), blockHigh[word]);
    }
    EXPECT_EQ(0xffffffffu * CounterRandomSequence::kScale, 1.0 - 0x1p-32);
}

TEST(CounterRandomSequence, CountHitsDrawsTwoValuesPerShotFromWhereverTheSequenceIs) {
    WorkerPool pool(2);
    CounterRandomSequence sequence(pool);
    EXPECT_EQ(sequence.Next(), CounterRandomSequence::ValueAt(0));  // now at an odd index
    EXPECT_EQ(sequence.CountHits(1000), reference::ShootHits(1, 1000));
    EXPECT_EQ(sequence.Position(), 2001u);
    EXPECT_EQ(sequence.CountHits(150000), reference::ShootHits(2001, 150000));
    EXPECT_EQ(sequence.Position(), 302001u);
    EXPECT_EQ(sequence.Next(), CounterRandomSequence::ValueAt(302001));
}

TEST(CounterRandomSequence, NoShotsDrawNothing) {
    CounterRandomSequence sequence;
    sequence.Advance(6);
    EXPECT_EQ(sequence.CountHits(0), 0);
    EXPECT_EQ(sequence.CountHits(-3), 0);
    EXPECT_EQ(sequence.Position(), 6u);
}

// Prints the first values of a fresh program sequence; run in child processes only.
TEST(ProgramSequence, DISABLED_PrintFirstValues) {
    for (int i = 0; i < 6; ++i) {
        std::cout << "value " << std::hexfloat << CounterRandomSequence::Program().Next() << '\n';
    }
}

std::string OutputOfFreshProcess() {
    const std::string command = std::filesystem::read_symlink("/proc/self/exe").string() +
                                " --gtest_also_run_disabled_tests "
                                "--gtest_filter=ProgramSequence.DISABLED_PrintFirstValues 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string output;
    for (int c = 0; pipe && (c = std::fgetc(pipe.get())) != EOF;) {
        output += static_cast<char>(c);
    }
    return output;
}

TEST(ProgramSequence, TwoFreshProcessesDrawTheSameValues) {
    std::ostringstream expected;
    for (std::uint64_t k = 0; k < 6; ++k) {
        expected << "value " << std::hexfloat << CounterRandomSequence::ValueAt(k) << '\n';
    }
    EXPECT_NE(OutputOfFreshProcess().find(expected.str()), std::string::npos);
    EXPECT_NE(OutputOfFreshProcess().find(expected.str()), std::string::npos);
}

}  // namespace
}  // namespace quadrix
