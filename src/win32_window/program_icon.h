// The program's icon from its own file: a white disc with a thin black outline.
#pragma once

#include <windows.h>

namespace quadrix {

// The icon group's resource number; Windows shows the first group as the file's icon.
inline constexpr int kProgramIconResource = 1;

// The icon at the size Windows wants for a title bar (small) or Alt+Tab (big)
// at `dpi`; the caller destroys it.
HICON LoadProgramIcon(bool small, UINT dpi);

}  // namespace quadrix
