// Overflow-checked arithmetic on 32-bit Longs.
#include "runtime/long_arithmetic.h"

#include "runtime/errors.h"

namespace quadrix {

Long LongAdd(Long a, Long b) {
    Long result = 0;
    if (__builtin_add_overflow(a, b, &result)) {
        throw Overflow();
    }
    return result;
}

Long LongSub(Long a, Long b) {
    Long result = 0;
    if (__builtin_sub_overflow(a, b, &result)) {
        throw Overflow();
    }
    return result;
}

Long LongMul(Long a, Long b) {
    Long result = 0;
    if (__builtin_mul_overflow(a, b, &result)) {
        throw Overflow();
    }
    return result;
}

}  // namespace quadrix
