// Drives another program's windows from outside through window messages, as UI test tools do.
#include "window_driver.h"

#include <commctrl.h>

#include <stdexcept>
#include <thread>

namespace quadrix::win32_check {
namespace {

// A hung program must fail the check, not hold it.
constexpr UINT kSendLimitMs = 2000;

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopWindow(HWND window, LPARAM search) {
    auto& s = *reinterpret_cast<WindowSearch*>(search);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == s.processId && IsWindowVisible(window) &&
        (s.className == nullptr || ClassOf(window) == s.className)) {
        s.found.push_back(window);
    }
    return TRUE;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done, milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(milliseconds(10));
    }
    return true;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring TextOf(HWND window) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendLimitMs, &length);
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, kSendLimitMs, &copied);
    text.resize(copied);
    return text;
}

void SetText(HWND window, const std::wstring& text) {
    SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                        SMTO_ABORTIFHUNG, kSendLimitMs, nullptr);
}

bool HasStyle(HWND window, LONG_PTR style) {
    return (GetWindowLongPtrW(window, GWL_STYLE) & style) == style;
}

HWND FocusNear(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus
                                                                              : nullptr;
}

std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

Program::Program(const std::wstring& path) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + path + L"\"";
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process_)) {
        throw std::runtime_error("cannot start the program (error " +
                                 std::to_string(GetLastError()) + ")");
    }
    WaitForInputIdle(process_.hProcess, 10000);
}

Program::~Program() {
    if (attachedTo_ != 0) {
        AttachThreadInput(GetCurrentThreadId(), attachedTo_, FALSE);
    }
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 99);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

std::vector<HWND> Program::TopWindows(const wchar_t* className) const {
    WindowSearch search{process_.dwProcessId, className, {}};
    EnumWindows(CollectTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void Program::AttachInput(HWND window) {
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (thread != attachedTo_ && AttachThreadInput(GetCurrentThreadId(), thread, TRUE)) {
        attachedTo_ = thread;
    }
}

std::wstring Program::TabCaption(HWND tabs, int index) const {
    constexpr int kChars = 256;
    auto* remote = static_cast<char*>(VirtualAllocEx(process_.hProcess, nullptr,
                                                     sizeof(TCITEMW) + kChars * sizeof(wchar_t),
                                                     MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (remote == nullptr) {
        return L"(no memory in the program)";
    }
    auto* remoteText = reinterpret_cast<wchar_t*>(remote + sizeof(TCITEMW));
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = remoteText;
    item.cchTextMax = kChars;
    wchar_t text[kChars] = {};
    DWORD_PTR found = 0;
    if (WriteProcessMemory(process_.hProcess, remote, &item, sizeof item, nullptr) &&
        SendMessageTimeoutW(tabs, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(remote),
                            SMTO_ABORTIFHUNG, kSendLimitMs, &found) != 0 &&
        found != 0) {
        // The control may answer with a pointer to a buffer of its own instead.
        ReadProcessMemory(process_.hProcess, remote, &item, sizeof item, nullptr);
        ReadProcessMemory(process_.hProcess, item.pszText, text, sizeof text - sizeof(wchar_t),
                          nullptr);
    }
    VirtualFreeEx(process_.hProcess, remote, 0, MEM_RELEASE);
    return text;
}

long Program::ExitStatus(milliseconds limit) const {
    DWORD status = 0;
    if (WaitForSingleObject(process_.hProcess, static_cast<DWORD>(limit.count())) !=
            WAIT_OBJECT_0 ||
        !GetExitCodeProcess(process_.hProcess, &status)) {
        return -1;
    }
    return static_cast<long>(status);
}

}  // namespace quadrix::win32_check
