// The edge of every window procedure: no exception crosses into Windows.
#include "win32_window/window_procedure_edge.h"

#include "win32_window/message_box.h"

namespace quadrix {

void ReportUncaughtError(HWND window, const char* what) noexcept {
    static bool reporting = false;
    if (reporting) {
        return;
    }
    reporting = true;
    try {
        ShowMessageBox(window != nullptr ? GetAncestor(window, GA_ROOT) : nullptr, what);
    } catch (...) {
        // Nothing is left to tell it with.
    }
    reporting = false;
}

}  // namespace quadrix
