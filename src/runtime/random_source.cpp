#include "runtime/random_source.h"

namespace quadrix {

std::int64_t RandomSource::CountHits(std::int64_t shots) {
    std::int64_t hits = 0;
    for (std::int64_t shot = 0; shot < shots; ++shot) {
        const double x = Next();
        const double y = Next();
        if (IsHit(x, y)) {
            ++hits;
        }
    }
    return hits;
}

}  // namespace quadrix
