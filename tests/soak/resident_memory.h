#pragma once

#include <cstdint>

namespace quadrix::testing {

// The process's resident memory as the kernel reports it, in KiB.
struct ResidentMemory {
    std::int64_t currentKiB = 0;
    std::int64_t peakKiB = 0;

    static ResidentMemory Now();
};

}  // namespace quadrix::testing
