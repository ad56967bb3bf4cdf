// The engines' SIMD instruction sets, as Highway's run-time dispatch knows them.
#include "estimators/simd_targets.h"

#include <hwy/targets.h>

namespace quadrix::simd_targets {

std::vector<Target> Available() {
    return hwy::SupportedAndGeneratedTargets();
}

void Force(Target target) {
    hwy::SetSupportedTargetsForTest(target);
}

void Automatic() {
    hwy::SetSupportedTargetsForTest(0);
}

const char* Name(Target target) {
    return hwy::TargetName(target);
}

}  // namespace quadrix::simd_targets
