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

// The window procedure of a class whose windows each belong to an Owner, handed to
// CreateWindowEx as its creation parameter: the owner learns its window at
// WM_NCCREATE and from then on handles every message, at the edge above.
template <class Owner>
LRESULT CALLBACK OwnedWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* creating =
            static_cast<Owner*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        creating->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creating));
    }
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (owner == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return AtWindowProcedureEdge(window, [&] { return owner->OnMessage(message, wParam, lParam); });
}

}  // namespace quadrix
