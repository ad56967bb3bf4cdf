// The SIMD hit count of the shooting engine.
#pragma once

#include <cstddef>
#include <cstdint>

// Counts the hits of shots drawn from the program's random sequence, Philox
// block by Philox block, with the widest SIMD instruction set the processor
// offers (AVX-512, AVX2, SSE4, SSSE3 or plain code), chosen at run time. A shot
// is a hit when x*x + y*y <= 1 in double, x and y being its two words times
// 2^-32; every instruction set finds exactly the same hits.
namespace quadrix::shot_kernel {

// Which words of a block form its two shots. A run of shots that starts at an
// even value index uses every block alone; one that starts at an odd index
// pairs the last word of each block with the first of the next.
enum class Pairing {
    kEven,  // block c: (word 0, word 1) and (word 2, word 3)
    kOdd,   // block c: (word 3 of block c - 1, word 0) and (word 1, word 2)
};

// Hits of the two shots of every block in [firstBlock, firstBlock + blocks).
// With kOdd, firstBlock must be at least 1.
std::int64_t CountBlockHits(std::uint64_t firstBlock, std::uint64_t blocks, Pairing pairing);

// Hits of the shots (xWords[i], yWords[i]), i < shots, through the same vector
// hit test as CountBlockHits.
std::int64_t CountWordHits(const std::uint32_t* xWords, const std::uint32_t* yWords,
                           std::size_t shots);

// The instruction set the next call runs on ("AVX3", "AVX2", "SCALAR", ...).
const char* TargetName();

}  // namespace quadrix::shot_kernel
