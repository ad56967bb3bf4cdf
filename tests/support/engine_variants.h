#pragma once

#include <gtest/gtest.h>
#include <hwy/targets.h>

#include <array>
#include <cstdint>

#include "runtime/worker_pool.h"

namespace quadrix::testing {

// Runs check(level name) with the dispatch forced onto each SIMD level built and supported.
template <class Check>
void ForEachSimdTarget(Check check) {
    for (const std::int64_t target : hwy::SupportedAndGeneratedTargets()) {
        SCOPED_TRACE(::testing::Message() << "SIMD target " << hwy::TargetName(target));
        hwy::SetSupportedTargetsForTest(target);
        check(hwy::TargetName(target));
        hwy::SetSupportedTargetsForTest(0);
    }
}

// A result must not depend on how the work is shared out.
inline std::array<WorkerPool, 3>& TestPools() {
    static std::array<WorkerPool, 3> pools = {WorkerPool(1), WorkerPool(2), WorkerPool(3)};
    return pools;
}

}  // namespace quadrix::testing
