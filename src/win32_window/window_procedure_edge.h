// The edge of every window procedure: no exception crosses into Windows.
#pragma once

#include <windows.h>

#include <exception>

namespace quadrix {

// Tells the user in a message box, owned by the window's top-level window, what
// went wrong; while one such box is open, later errors are dropped, so that a
// failing paint under the box cannot open box after box.
void ReportUncaughtError(HWND window, const char* what) noexcept;

// The handler's result, or 0 once its exception has been reported.
template <typename Handler>
LRESULT AtWindowProcedureEdge(HWND window, Handler&& handler) noexcept {
    try {
        return handler();
    } catch (const std::exception& error) {
        ReportUncaughtError(window, error.what());
    } catch (...) {
        ReportUncaughtError(window, "Unknown error");
    }
    return 0;
}

}  // namespace quadrix
