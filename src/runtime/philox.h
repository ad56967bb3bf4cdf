// The Philox4x32-10 counter-based random number generator.
#pragma once

#include <array>
#include <cstdint>

// The Philox4x32-10 counter-based generator (Salmon et al., "Parallel random
// numbers: as easy as 1, 2, 3", SC11): a keyed bijection of 128-bit counters.
namespace quadrix::philox {

using Counter = std::array<std::uint32_t, 4>;
using Key = std::array<std::uint32_t, 2>;

constexpr std::uint32_t kMultiplier0 = 0xD2511F53;
constexpr std::uint32_t kMultiplier1 = 0xCD9E8D57;
constexpr std::uint32_t kWeyl0 = 0x9E3779B9;
constexpr std::uint32_t kWeyl1 = 0xBB67AE85;
constexpr int kRounds = 10;

// One round under the round's key.
constexpr Counter Round(const Counter& x, const Key& key) {
    const std::uint64_t product0 = std::uint64_t{kMultiplier0} * x[0];
    const std::uint64_t product1 = std::uint64_t{kMultiplier1} * x[2];
    const auto high0 = static_cast<std::uint32_t>(product0 >> 32);
    const auto low0 = static_cast<std::uint32_t>(product0);
    const auto high1 = static_cast<std::uint32_t>(product1 >> 32);
    const auto low1 = static_cast<std::uint32_t>(product1);
    return {high1 ^ x[1] ^ key[0], low1, high0 ^ x[3] ^ key[1], low0};
}

// The block at counter under key: all ten rounds, the key bumped before each but the first.
constexpr Counter Block(Counter counter, Key key) {
    for (int round = 0; round < kRounds; ++round) {
        if (round > 0) {
            key[0] += kWeyl0;
            key[1] += kWeyl1;
        }
        counter = Round(counter, key);
    }
    return counter;
}

}  // namespace quadrix::philox
