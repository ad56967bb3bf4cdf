// What the user has chosen in Windows' regional settings, as far as the program shows it.
#include "win32_window/user_locale.h"

#include <windows.h>

#include <array>

#include "win32_window/wide_text.h"

namespace quadrix {

std::string UserDecimalSeparator() {
    // Windows allows at most three characters and the terminating null.
    std::array<wchar_t, 4> separator{};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator.data(),
                                       static_cast<int>(separator.size()));
    if (length <= 1) {
        return "";
    }
    return ToUtf8(std::wstring_view(separator.data(), static_cast<std::size_t>(length - 1)));
}

}  // namespace quadrix
