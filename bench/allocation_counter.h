// Counts the bytes the benchmarks allocate.
#pragma once

#include <cstddef>

namespace quadrix::bench {

// Bytes requested from the global operator new since the program started.
std::size_t AllocatedBytes();

}  // namespace quadrix::bench
