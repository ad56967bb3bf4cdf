// The engines' one SIMD instruction set, fixed when the program was compiled (Windows builds).
#include "estimators/simd_targets.h"

#include <cpuid.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#include <hwy/targets.h>

#ifndef HWY_COMPILE_ONLY_STATIC
#error "simd_targets_static.cpp is for builds with HWY_COMPILE_ONLY_STATIC"
#endif

namespace quadrix::simd_targets {

std::vector<Target> Available() {
    return {HWY_STATIC_TARGET};
}

// The only target there is runs already.
void Force(Target) {}

void Automatic() {}

const char* Name(Target target) {
    return hwy::TargetName(target);
}

namespace {

// The bits of CPUID leaf 1's ECX this processor does not set (all of them
// where leaf 1 is missing). The rest of the program is compiled with the
// instruction sets checked here; this must run on any x86-64 processor, so it
// is compiled without them and never inlined into code compiled with them. An
// attribute rather than a file with flags of its own keeps the flags the same
// on every translation unit. The names are put together by ordinary code,
// string appends with nothing for the compiler to vectorize.
__attribute__((target("no-sse3,no-popcnt,no-pclmul,no-aes"), noinline)) unsigned
MissingLeaf1Bits() {
    unsigned eax = 0;
    unsigned ebx = 0;
    unsigned ecx = 0;
    unsigned edx = 0;
    __cpuid(0, eax, ebx, ecx, edx);
    if (eax < 1) {
        return ~0U;
    }
    __cpuid(1, eax, ebx, ecx, edx);
    return ~ecx;
}

}  // namespace

std::string MissingProcessorFeatures() {
    const unsigned missing = MissingLeaf1Bits();
    std::string names;
    const auto check = [&](unsigned bit, const char* name) {
        if ((missing & bit) != 0) {
            names += names.empty() ? "" : ", ";
            names += name;
        }
    };
    // The instruction sets the compiler was told it may use (the toolchain's flags).
#ifdef __SSE3__
    check(bit_SSE3, "SSE3");
#endif
#ifdef __SSSE3__
    check(bit_SSSE3, "SSSE3");
#endif
#ifdef __SSE4_1__
    check(bit_SSE4_1, "SSE4.1");
#endif
#ifdef __SSE4_2__
    check(bit_SSE4_2, "SSE4.2");
#endif
#ifdef __POPCNT__
    check(bit_POPCNT, "POPCNT");
#endif
#ifdef __PCLMUL__
    check(bit_PCLMUL, "PCLMULQDQ");
#endif
#ifdef __AES__
    check(bit_AES, "AES");
#endif
    static_cast<void>(check);
    return names;
}

}  // namespace quadrix::simd_targets

// Where HWY_ASSERT reports a broken check. Highway's run-time library, which
// defines it, is not part of this build; this does what it does.
namespace hwy {

HWY_NORETURN void HWY_FORMAT(3, 4) Abort(const char* file, int line, const char* format, ...) {
    std::fprintf(stderr, "Abort at %s:%d: ", file, line);
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(stderr, format, arguments);
    va_end(arguments);
    std::fputc('\n', stderr);
    std::fflush(stderr);
    std::abort();
}

}  // namespace hwy
