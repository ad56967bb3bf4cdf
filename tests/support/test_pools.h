// Worker pools of one, two and three threads: a result must not depend on how the work is shared.
#pragma once

#include <array>

#include "runtime/worker_pool.h"

namespace quadrix::testing {

inline std::array<WorkerPool, 3>& TestPools() {
    static std::array<WorkerPool, 3> pools = {WorkerPool(1), WorkerPool(2), WorkerPool(3)};
    return pools;
}

}  // namespace quadrix::testing
