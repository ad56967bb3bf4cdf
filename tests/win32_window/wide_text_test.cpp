// Tests of the texts crossing between UTF-8 and Win32's UTF-16.
#include <gtest/gtest.h>

#include <string>

#include "win32_window/wide_text.h"

namespace quadrix {
namespace {

// Characters outside the ANSI code page, one outside the BMP (a surrogate
// pair), CR LF and an embedded null all cross both ways unchanged.
TEST(WideText, CrossesBothWaysUnchanged) {
    struct Case {
        std::string utf8;
        std::wstring utf16;
    };
    for (const Case& text : {
             Case{"", L""},
             Case{"PiRounded:  3,14\r\nCount:      16", L"PiRounded:  3,14\r\nCount:      16"},
             Case{"\xcf\x80 \xe2\x89\x88 3\xd9\xab"
                  "14 \xf0\x9f\x8e\xaf",
                  L"\u03c0 \u2248 3\u066b14 \U0001f3af"},
             Case{std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
         }) {
        EXPECT_EQ(ToWide(text.utf8), text.utf16) << text.utf8;
        EXPECT_EQ(ToUtf8(text.utf16), text.utf8) << text.utf8;
    }
}

}  // namespace
}  // namespace quadrix
