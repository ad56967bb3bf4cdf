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

// Highway picks among the targets the processor has; the rest of the program
// needs no more than the baseline every x86-64 processor offers.
std::string MissingProcessorFeatures() {
    return {};
}

}  // namespace quadrix::simd_targets
