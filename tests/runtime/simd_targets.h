#pragma once

#include <gtest/gtest.h>
#include <hwy/targets.h>

#include <cstdint>
#include <vector>

namespace quadrix::testing {

// Runs check(target) once for each SIMD target that this machine supports and
// the program was built for, with the run-time dispatch forced onto it.
template <class Check>
void ForEachSimdTarget(Check check) {
    struct Unforce {
        ~Unforce() { hwy::SetSupportedTargetsForTest(0); }
    };
    const std::vector<std::int64_t> targets = hwy::SupportedAndGeneratedTargets();
    for (const std::int64_t target : targets) {
        SCOPED_TRACE(::testing::Message() << "SIMD target " << hwy::TargetName(target));
        const Unforce unforce;
        hwy::SetSupportedTargetsForTest(target);
        check(target);
    }
}

}  // namespace quadrix::testing
