// Reading a fuzzer's bytes and reporting a broken property.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

namespace quadrix::fuzzing {

// Reads a fuzzer's bytes front to back; past their end every read yields zeros.
class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : rest_(data, size) {}
    bool Exhausted() const { return rest_.empty(); }
    std::uint8_t TakeByte() { return static_cast<std::uint8_t>(TakeRest(1)[0]); }

    template <typename T>
    T TakeBits() {
        T value{};
        std::memcpy(&value, TakeRest(sizeof(T)).data(), sizeof(T));
        return value;
    }

    // Up to `count` unread bytes, zero padded to `count` when fewer remain.
    std::string TakeRest(std::size_t count = std::string::npos) {
        const auto taken = rest_.first(std::min(count, rest_.size()));
        rest_ = rest_.subspan(taken.size());
        std::string text(taken.begin(), taken.end());
        return count == std::string::npos ? text : text.append(count - text.size(), '\0');
    }

  private:
    std::span<const std::uint8_t> rest_;
};

// Reports a property that does not hold and aborts: the fuzzer records the input as a crash.
inline void Check(bool holds, std::string_view property, std::string_view details) {
    if (!holds) {
        std::fprintf(stderr, "\nBROKEN: %.*s\n  %.*s\n", static_cast<int>(property.size()),
                     property.data(), static_cast<int>(details.size()), details.data());
        std::abort();
    }
}

// The text with every byte outside printable ASCII written as \xHH.
inline std::string Escaped(std::string_view text) {
    std::string escaped = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && c != '"' && c != '\\') {
            escaped += c;
        } else {
            escaped += {'\\', 'x', "0123456789abcdef"[byte >> 4], "0123456789abcdef"[byte & 15]};
        }
    }
    return escaped + "\"";
}

}  // namespace quadrix::fuzzing
