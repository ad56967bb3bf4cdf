// The platform's default font for controls, at a window's DPI.
#pragma once

#include <windows.h>

namespace quadrix {

// The message font of the user's settings (lfMessageFont), scaled for `dpi`;
// the caller deletes it.
HFONT CreateMessageFont(UINT dpi);

}  // namespace quadrix
