#pragma once

#include <gtest/gtest.h>
#include <hwy/targets.h>

#include <cstdint>

namespace quadrix::testing {

// Runs check(name) once for each SIMD level this machine has and the program
// was built for, with the run-time dispatch forced onto that level; name is
// the level's name as the kernels report it ("AVX2", ...).
template <class Check>
void ForEachSimdTarget(Check check) {
    for (const std::int64_t target : hwy::SupportedAndGeneratedTargets()) {
        SCOPED_TRACE(::testing::Message() << "SIMD target " << hwy::TargetName(target));
        hwy::SetSupportedTargetsForTest(target);
        check(hwy::TargetName(target));
        hwy::SetSupportedTargetsForTest(0);
    }
}

}  // namespace quadrix::testing
