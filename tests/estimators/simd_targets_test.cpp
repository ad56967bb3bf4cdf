// Tests of choosing the engines' SIMD instruction set by hand.
#include <gtest/gtest.h>

#include <vector>

#include "estimators/shot_kernel.h"
#include "estimators/simd_targets.h"
#include "estimators/stripe_grid_kernel.h"

namespace quadrix {

TEST(SimdTargets, BothKernelsRunOnTheForcedTarget) {
    for (const simd_targets::Target target : simd_targets::Available()) {
        simd_targets::Force(target);
        EXPECT_STREQ(shot_kernel::TargetName(), simd_targets::Name(target));
        EXPECT_STREQ(stripe_grid_kernel::TargetName(), simd_targets::Name(target));
    }
    simd_targets::Automatic();
}

TEST(SimdTargets, AutomaticChoiceIsTheFirstAvailable) {
    const std::vector<simd_targets::Target> available = simd_targets::Available();
    simd_targets::Force(available.back());
    simd_targets::Automatic();
    EXPECT_STREQ(shot_kernel::TargetName(), simd_targets::Name(available.front()));
}

// The machines the suites run on have every instruction set the builds require.
TEST(SimdTargets, ThisProcessorLacksNothingTheBuildRequires) {
    EXPECT_EQ(simd_targets::MissingProcessorFeatures(), "");
}

}  // namespace quadrix
