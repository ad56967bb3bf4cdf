// The one place where the program's UTF-8 texts cross into Win32's UTF-16 and back.
#include "win32_window/wide_text.h"

#include <windows.h>

#include <limits>
#include <stdexcept>

namespace quadrix {
namespace {

int LengthOf(std::size_t size) {
    if (size > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        throw std::length_error("text too long for Win32");
    }
    return static_cast<int>(size);
}

}  // namespace

std::wstring ToWide(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int length = LengthOf(text.size());
    const int wideLength = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), length, wide.data(), wideLength);
    return wide;
}

std::string ToUtf8(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int length = LengthOf(text.size());
    const int utf8Length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(utf8Length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, utf8.data(), utf8Length, nullptr, nullptr);
    return utf8;
}

}  // namespace quadrix
