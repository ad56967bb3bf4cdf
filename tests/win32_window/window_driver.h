// Drives another program's windows from outside through window messages, as UI test tools do.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace quadrix::win32_check {

using std::chrono::milliseconds;

// Polls `done` every few milliseconds until it holds or `limit` has passed.
bool WaitUntil(const std::function<bool()>& done, milliseconds limit);

std::wstring ClassOf(HWND window);
std::wstring TextOf(HWND window);
void SetText(HWND window, const std::wstring& text);
bool HasStyle(HWND window, LONG_PTR style);
// The window that has the keyboard focus in the thread behind `window`, or null.
HWND FocusNear(HWND window);
// Direct children first to last in the stacking order, front first.
std::vector<HWND> ChildrenOf(HWND parent);

// A program started by the check; ended by force if it is still running at the end.
class Program {
  public:
    explicit Program(const std::wstring& path);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Its visible top-level windows of that class (any class if null), front first.
    std::vector<HWND> TopWindows(const wchar_t* className = nullptr) const;
    // Shares the input state (focus, keys held) of the thread behind `window` with the
    // calling thread, as a test tool does that sets the focus or holds Shift for a program.
    void AttachInput(HWND window);
    // The caption of tab `index` of a tab control of the program. TCM_GETITEMW carries a
    // pointer, so its structure and buffer have to lie in the program's memory.
    std::wstring TabCaption(HWND tabs, int index) const;
    // The exit status once it has ended within `limit`, or -1.
    long ExitStatus(milliseconds limit) const;

  private:
    PROCESS_INFORMATION process_{};
    DWORD attachedTo_ = 0;
};

}  // namespace quadrix::win32_check
