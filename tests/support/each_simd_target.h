// Runs a check with the engines forced onto each SIMD instruction set available in turn.
#pragma once

#include <gtest/gtest.h>

#include "estimators/simd_targets.h"

namespace quadrix::testing {

template <class Check>
void ForEachSimdTarget(Check check) {
    for (const simd_targets::Target target : simd_targets::Available()) {
        SCOPED_TRACE(::testing::Message() << "SIMD target " << simd_targets::Name(target));
        simd_targets::Force(target);
        check();
    }
    simd_targets::Automatic();
}

}  // namespace quadrix::testing
