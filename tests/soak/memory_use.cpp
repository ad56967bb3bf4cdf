#include "memory_use.h"

#include <fstream>
#include <sstream>
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
namespace {

constexpr std::int64_t kBytesPerKiB = 1024;

std::int64_t HeapInUseKiB() {
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<std::int64_t>(__sanitizer_get_current_allocated_bytes()) / kBytesPerKiB;
#else
    const struct mallinfo2 info = mallinfo2();
    return static_cast<std::int64_t>(info.uordblks + info.hblkhd) / kBytesPerKiB;
#endif
}

}  // namespace

MemoryUse MemoryUse::Now() {
    MemoryUse memory;
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        std::istringstream fields(line);
        std::string name;
        std::int64_t kiB = 0;
        fields >> name >> kiB;
        if (name == "VmRSS:") {
            memory.residentKiB = kiB;
        } else if (name == "VmHWM:") {
            memory.peakResidentKiB = kiB;
        } else if (name == "RssAnon:") {
            memory.anonymousResidentKiB = kiB;
        }
    }
    memory.heapKiB = HeapInUseKiB();
    return memory;
}

}  // namespace quadrix::testing
