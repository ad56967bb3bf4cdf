#pragma once

#include <gtest/gtest.h>
#include <hwy/targets.h>

#include <cstdint>
#include <vector>

namespace quadrix::testing {

// Every SIMD level this machine has and the program was built for.
inline std::vector<std::int64_t> AvailableSimdTargets() {
    return hwy::SupportedAndGeneratedTargets();
}

// Forces the run-time dispatch onto one SIMD level while it lives.
class ForcedSimdTarget {
  public:
    explicit ForcedSimdTarget(std::int64_t target) { hwy::SetSupportedTargetsForTest(target); }
    ~ForcedSimdTarget() { hwy::SetSupportedTargetsForTest(0); }
    ForcedSimdTarget(const ForcedSimdTarget&) = delete;
    ForcedSimdTarget& operator=(const ForcedSimdTarget&) = delete;
};

// Runs check(target) once for each available SIMD level, with the dispatch forced onto it.
template <class Check>
void ForEachSimdTarget(Check check) {
    for (const std::int64_t target : AvailableSimdTargets()) {
        SCOPED_TRACE(::testing::Message() << "SIMD target " << hwy::TargetName(target));
        const ForcedSimdTarget forced(target);
        check(target);
    }
}

}  // namespace quadrix::testing
