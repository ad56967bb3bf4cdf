#pragma once

#include <hwy/targets.h>

#include <cstdint>
#include <vector>

namespace quadrix::stripe_testing {

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

}  // namespace quadrix::stripe_testing
