// The SIMD instruction sets the engines can run on, listed, named and chosen by hand.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The engines pick the best instruction set the processor offers on their own;
// tests and benchmarks use these to run them on each one in turn.
namespace quadrix::simd_targets {

// One instruction set.
using Target = std::int64_t;

// The instruction sets the engines were compiled for that this processor also
// supports, best first: the first is the one the engines choose by themselves.
// While one is forced, it is the only one listed.
std::vector<Target> Available();

// Runs the engines on target (one of Available()) from the next call on, until Automatic().
void Force(Target target);

// Lets the engines choose again.
void Automatic();

// The name of the instruction set ("AVX3", "AVX2", "SSE4", "SCALAR", ...).
const char* Name(Target target);

// The instruction sets the program was compiled to require that this processor
// lacks, comma separated ("SSE4.2, PCLMULQDQ, AES"), or "" when it has them all.
// Meant to be called first thing at start-up, before anything needs them.
std::string MissingProcessorFeatures();

}  // namespace quadrix::simd_targets
