#include "fuzz_failure.h"

#include <cstdio>
#include <cstdlib>

namespace quadrix::fuzzing {

void FuzzFailure(std::string_view property, std::string_view details) {
    std::fprintf(stderr, "\nBROKEN: %.*s\n  %.*s\n", static_cast<int>(property.size()),
                 property.data(), static_cast<int>(details.size()), details.data());
    std::abort();
}

std::string Escaped(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string escaped = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && c != '"' && c != '\\') {
            escaped += c;
        } else {
            escaped += "\\x";
            escaped += kHex[byte >> 4];
            escaped += kHex[byte & 0x0f];
        }
    }
    return escaped + "\"";
}

}  // namespace quadrix::fuzzing
