#pragma once

#include <cstdint>

namespace quadrix {

using Long = std::int32_t;

// Overflow-checked Long arithmetic: a result outside the 32-bit range raises Overflow.
Long LongAdd(Long a, Long b);
Long LongSub(Long a, Long b);
Long LongMul(Long a, Long b);

}  // namespace quadrix
