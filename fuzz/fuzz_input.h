#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>

namespace quadrix::fuzzing {

// Reads a fuzzer's byte string front to back. Once the bytes run out, every
// read yields zeros, so a decoder never has to check for the end itself.
class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : bytes_(data, size) {}

    bool Exhausted() const { return position_ >= bytes_.size(); }

    std::uint8_t TakeByte();

    // The next sizeof(T) bytes, zero padded past the end, as the bits of a T.
    template <typename T>
    T TakeBits() {
        unsigned char raw[sizeof(T)] = {};
        for (unsigned char& byte : raw) {
            byte = TakeByte();
        }
        T value;
        std::memcpy(&value, raw, sizeof(T));
        return value;
    }

    // All bytes not read yet, as they are.
    std::string TakeRest();

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

}  // namespace quadrix::fuzzing
