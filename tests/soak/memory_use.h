#pragma once

#include <cstdint>

namespace quadrix::testing {

// The process's memory in KiB: the heap blocks it holds, as the allocator
// counts them (AddressSanitizer's under the sanitizers, else the C library's),
// and its peak resident size, as the kernel counts it.
struct MemoryUse {
    std::int64_t heapKiB = 0;
    std::int64_t peakResidentKiB = 0;

    static MemoryUse Now();
};

}  // namespace quadrix::testing
