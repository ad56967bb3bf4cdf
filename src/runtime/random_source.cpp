#include "runtime/random_source.h"

namespace quadrix {

std::int64_t RandomSource::CountHits(std::int64_t shots) {
    std::int64_t hits = 0;
    for (std::int64_t shot = 0; shot < shots; ++shot) {
        const double x = Next();
        const double y = Next();
        // Values below 1 cannot overflow, so the sum needs no checks.
        if (x * x + y * y <= 1.0) {
            ++hits;
        }
    }
    return hits;
}

}  // namespace quadrix
