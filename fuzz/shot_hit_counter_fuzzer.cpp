// Fuzzes the shot hit counter against the plain shot loop on short runs anywhere in the sequence.
// Bytes: first value (8, top bit ignored), shots (2, signed), SIMD target.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "estimators/shot_hit_counter.h"
#include "estimators/simd_targets.h"
#include "fuzz_input.h"
#include "support/reference_loops.h"

// The plain loop takes well under a millisecond up to this many shots (one task of the pool).
constexpr std::int64_t kMaxShots = 2048;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quadrix;
    using namespace quadrix::fuzzing;
    static WorkerPool pool(1);
    FuzzInput input(data, size);
    const std::uint64_t firstValue = input.TakeBits<std::uint64_t>() >> 1;
    const auto wantedShots = input.TakeBits<std::int16_t>();
    const std::vector<simd_targets::Target> targets = simd_targets::Available();
    const simd_targets::Target target = targets[input.TakeByte() % targets.size()];
    simd_targets::Force(target);
    // Emulated vectors take some 10 times as long per shot: they get an eighth of the shots.
    const std::string_view name = simd_targets::Name(target);
    const std::int64_t maxShots = name == "EMU128" || name == "SCALAR" ? kMaxShots / 8 : kMaxShots;
    const std::int64_t shots = wantedShots % (maxShots + 1);
    Check(ShotHitCounter(pool).CountHits(firstValue, shots) ==
              (shots < 1 ? 0 : reference::ShootHits(firstValue, shots)),
          "the counter finds the hits of the plain loop",
          std::to_string(shots) + " shots from value " + std::to_string(firstValue));
    simd_targets::Automatic();
    return 0;
}
