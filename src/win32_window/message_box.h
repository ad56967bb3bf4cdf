// The program's message box: the prompt, one OK button, no icon, titled "Quadrix".
#pragma once

#include <windows.h>

#include <string_view>

namespace quadrix {

inline constexpr std::string_view kMessageBoxTitle = "Quadrix";

// Modal to its owner, which may be none; returns when the user has closed it.
void ShowMessageBox(HWND owner, std::string_view prompt);

}  // namespace quadrix
