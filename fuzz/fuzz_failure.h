#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace quadrix::fuzzing {

// Reports a broken property and aborts, which the fuzzer records as a crash
// together with the input that caused it.
[[noreturn]] inline void FuzzFailure(std::string_view property, std::string_view details) {
    std::fprintf(stderr, "\nBROKEN: %s\n  %s\n", std::string(property).c_str(),
                 std::string(details).c_str());
    std::abort();
}

// The text with every byte outside printable ASCII written as \xHH.
inline std::string Escaped(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string escaped = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && c != '"' && c != '\\') {
            escaped += c;
        } else {
            escaped += {'\\', 'x', kHex[byte >> 4], kHex[byte & 15]};
        }
    }
    return escaped + "\"";
}

}  // namespace quadrix::fuzzing
