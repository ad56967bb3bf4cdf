// The program's icon from its own file: a white disc with a thin black outline.
#include "win32_window/program_icon.h"

namespace quadrix {

HICON LoadProgramIcon(bool small, UINT dpi) {
    const int side = GetSystemMetricsForDpi(small ? SM_CXSMICON : SM_CXICON, dpi);
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                         MAKEINTRESOURCEW(kProgramIconResource), IMAGE_ICON, side,
                                         side, LR_DEFAULTCOLOR));
}

}  // namespace quadrix
