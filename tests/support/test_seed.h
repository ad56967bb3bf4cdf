// The seed of the randomised tests.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>

namespace quadrix::testing {

// QUADRIX_TEST_SEED when set, a fresh seed otherwise; printed, to run a failure again.
inline std::uint64_t TestSeed() {
    const char* given = std::getenv("QUADRIX_TEST_SEED");
    const std::uint64_t seed = given != nullptr ? std::stoull(given) : std::random_device{}();
    std::cout << "QUADRIX_TEST_SEED=" << seed << '\n';
    return seed;
}

}  // namespace quadrix::testing
