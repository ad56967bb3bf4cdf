#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <span>
#include <string>

namespace quadrix::fuzzing {

// Reads a fuzzer's byte string front to back. Once the bytes run out, every
// read yields zeros, so a decoder never has to check for the end itself.
class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : bytes_(data, size) {}
    bool Exhausted() const { return position_ >= bytes_.size(); }
    std::uint8_t TakeByte() { return Exhausted() ? 0 : bytes_[position_++]; }

    // The next sizeof(T) bytes, zero padded past the end, as the bits of a T.
    template <typename T>
    T TakeBits() {
        std::array<std::uint8_t, sizeof(T)> raw{};
        std::generate(raw.begin(), raw.end(), [this] { return TakeByte(); });
        return std::bit_cast<T>(raw);
    }

    // All bytes not read yet, as they are.
    std::string TakeRest() {
        const auto rest = bytes_.subspan(std::min(position_, bytes_.size()));
        position_ = bytes_.size();
        return {rest.begin(), rest.end()};
    }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

}  // namespace quadrix::fuzzing
