#pragma once

#include <cstdint>

namespace quadrix::testing {

// The process's memory: resident, as the kernel counts it, and the heap blocks
// the program holds, as the allocator counts them (AddressSanitizer's allocator
// under the sanitizers, else the C library's). All in KiB.
struct MemoryUse {
    std::int64_t residentKiB = 0;
    std::int64_t peakResidentKiB = 0;
    std::int64_t anonymousResidentKiB = 0;  // resident, less mapped files such as libraries
    std::int64_t heapKiB = 0;

    static MemoryUse Now();
};

}  // namespace quadrix::testing
