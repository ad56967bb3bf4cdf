// The randomised tests' seed: QUADRIX_TEST_SEED when set, else a fresh one; printed for reruns.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>

namespace quadrix::testing {

inline std::uint64_t TestSeed() {
    const char* given = std::getenv("QUADRIX_TEST_SEED");
    const std::uint64_t seed = given != nullptr ? std::stoull(given) : std::random_device{}();
    std::cout << "QUADRIX_TEST_SEED=" << seed << '\n';
    return seed;
}

}  // namespace quadrix::testing
