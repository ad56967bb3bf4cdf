#pragma once

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>

namespace quadrix::testing {

// A random test's seed: QUADRIX_TEST_SEED when set, a fresh one otherwise. It
// is printed, so that a failure can be run again with the same seed.
inline std::uint64_t TestSeed() {
    const char* given = std::getenv("QUADRIX_TEST_SEED");
    const std::uint64_t seed = given != nullptr ? std::stoull(given) : std::random_device{}();
    std::cout << "QUADRIX_TEST_SEED=" << seed << '\n';
    return seed;
}

}  // namespace quadrix::testing
