// The one place where the program's UTF-8 texts cross into Win32's UTF-16 and back.
#pragma once

#include <string>
#include <string_view>

namespace quadrix {

// Invalid UTF-8 sequences become U+FFFD, as Windows converts them.
std::wstring ToWide(std::string_view text);
// Unpaired surrogates become U+FFFD.
std::string ToUtf8(std::wstring_view text);

}  // namespace quadrix
