#include "memory_use.h"

#include <fstream>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
#include <cstddef>
// From the sanitizer runtime, which GCC ships without a header for it.
extern "C" std::size_t
__sanitizer_get_current_allocated_bytes();  // NOLINT(bugprone-reserved-identifier)
#else
#include <malloc.h>
#endif

namespace quadrix::testing {

MemoryUse MemoryUse::Now() {
    MemoryUse memory;
#if defined(__SANITIZE_ADDRESS__)
    memory.heapKiB = static_cast<std::int64_t>(__sanitizer_get_current_allocated_bytes()) / 1024;
#else
    const struct mallinfo2 info = mallinfo2();
    memory.heapKiB = static_cast<std::int64_t>(info.uordblks + info.hblkhd) / 1024;
#endif
    std::ifstream status("/proc/self/status");
    for (std::string name; status >> name;) {
        if (name == "VmHWM:") {
            status >> memory.peakResidentKiB;
        }
    }
    return memory;
}

}  // namespace quadrix::testing
