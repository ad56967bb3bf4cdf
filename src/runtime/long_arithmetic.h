// Overflow-checked arithmetic on 32-bit Longs.
#pragma once

#include <cstdint>
#include <limits>

namespace quadrix {

using Long = std::int32_t;
constexpr Long kLongMin = std::numeric_limits<Long>::min();
constexpr Long kLongMax = std::numeric_limits<Long>::max();

// Overflow-checked Long arithmetic: a result outside the 32-bit range raises Overflow.
Long LongAdd(Long a, Long b);
Long LongSub(Long a, Long b);
Long LongMul(Long a, Long b);

}  // namespace quadrix
