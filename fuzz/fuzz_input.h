// Reading a fuzzer's bytes and reporting a broken property.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

namespace quadrix::fuzzing {

// Reads a fuzzer's bytes front to back; past their end every read yields zeros.
class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}
    bool Exhausted() const { return rest_.empty(); }
    std::uint8_t TakeByte() { return TakeBits<std::uint8_t>(); }

    template <typename T>
    T TakeBits() {
        T value{};
        const std::size_t taken = std::min(sizeof(T), rest_.size());
        std::copy_n(rest_.data(), taken, reinterpret_cast<char*>(&value));
        rest_.remove_prefix(taken);
        return value;
    }
    std::string TakeRest() { return std::string(std::exchange(rest_, {})); }

  private:
    std::string_view rest_;
};

// Reports a property that does not hold and aborts: the fuzzer records the input as a crash.
inline void Check(bool holds, std::string_view property, std::string_view details) {
    if (!holds) {
        std::fprintf(stderr, "\nBROKEN: %s\n  %s\n", std::string(property).c_str(),
                     std::string(details).c_str());
        std::abort();
    }
}

// The text with every byte outside printable ASCII written as \xHH.
inline std::string Escaped(std::string_view text) {
    std::string escaped = "\"";
    for (const unsigned char byte : text) {
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02x", byte);
        escaped += byte >= 0x20 && byte < 0x7f && byte != '"' && byte != '\\'
                       ? std::string(1, static_cast<char>(byte))
                       : hex;
    }
    return escaped + "\"";
}

}  // namespace quadrix::fuzzing
