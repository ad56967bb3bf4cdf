// Counts the bytes the benchmarks allocate.
#include "allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<std::size_t> allocatedBytes{0};
}

namespace quadrix::bench {
std::size_t AllocatedBytes() {
    return allocatedBytes.load(std::memory_order_relaxed);
}
}  // namespace quadrix::bench

void* operator new(std::size_t size) {
    allocatedBytes.fetch_add(size, std::memory_order_relaxed);
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
