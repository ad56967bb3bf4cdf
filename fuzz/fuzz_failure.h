#pragma once

#include <string>
#include <string_view>

namespace quadrix::fuzzing {

// Reports a broken property and aborts, which the fuzzer records as a crash
// together with the input that caused it.
[[noreturn]] void FuzzFailure(std::string_view property, std::string_view details);

// The text with every byte outside printable ASCII written as \xHH.
std::string Escaped(std::string_view text);

}  // namespace quadrix::fuzzing
