// Starts quadrix.exe and checks its window from outside, step by step, through window messages.
//
// Usage: quadrix_window_check <quadrix.exe> <decimal separator> [all|shooting|start-and-exit]
// runs all steps, or the shooting run alone, or no more than the start and the end.
// The exit status is the number of failed checks.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <functional>
#include <string>

#include "win32_window/wide_text.h"
#include "window_driver.h"

namespace quadrix::win32_check {
namespace {

using namespace std::chrono_literals;

// Long enough for a loaded machine; a passing run waits a few ticks at each step.
constexpr auto kPatience = 10s;

int failures = 0;

bool Expect(bool ok, const std::string& what, const std::wstring& seen = {}) {
    std::printf("%s: %s", ok ? "ok" : "FAIL", what.c_str());
    if (!ok && !seen.empty()) {
        std::printf(" (seen: \"%s\")", ToUtf8(seen).c_str());
    }
    std::printf("\n");
    std::fflush(stdout);
    failures += ok ? 0 : 1;
    return ok;
}

std::wstring WithoutCarriageReturns(std::wstring text) {
    std::erase(text, L'\r');
    return text;
}

// The number after "<label>:" in a state text, or -1.
long long ValueOf(const std::wstring& stateText, const std::wstring& label) {
    const std::wstring text = L"\r\n" + stateText;
    const auto at = text.find(L"\r\n" + label + L":");
    return at == std::wstring::npos
               ? -1
               : std::wcstoll(text.c_str() + at + label.size() + 3, nullptr, 10);
}

// The main window's controls, found by their classes, styles and texts.
struct Window {
    HWND frame = nullptr;
    HWND tabs = nullptr;
    HWND steps = nullptr;
    HWND startStop = nullptr;
    HWND reset = nullptr;
    HWND output[2] = {};
    int panels = 0;
};

Window FindControls(HWND frame) {
    Window w{frame};
    for (HWND child : ChildrenOf(frame)) {
        const std::wstring kind = ClassOf(child);
        const std::wstring text = TextOf(child);
        if (kind == WC_TABCONTROLW) {
            w.tabs = child;
        } else if (kind == L"Edit" && !HasStyle(child, ES_MULTILINE)) {
            w.steps = child;
        } else if (kind == L"Edit") {
            w.output[w.output[0] == nullptr ? 0 : 1] = child;
        } else if (kind == L"Button" && text == L"&Start") {
            w.startStop = child;
        } else if (kind == L"Button" && text == L"&Reset") {
            w.reset = child;
        } else if (kind == L"QuadrixPanel") {
            ++w.panels;
        }
    }
    // The page in front at start is the shooting method's.
    if (!IsWindowVisible(w.output[0])) {
        std::swap(w.output[0], w.output[1]);
    }
    return w;
}

// Whether `field` is seen rather than `other` on the same spot: the one shown, or of two
// shown the one nearer the front.
bool InFront(HWND field, HWND other) {
    if (!IsWindowVisible(field) || !IsWindowVisible(other)) {
        return IsWindowVisible(field);
    }
    const std::vector<HWND> stack = ChildrenOf(GetParent(field));
    return std::find(stack.begin(), stack.end(), field) <
           std::find(stack.begin(), stack.end(), other);
}

class Check {
  public:
    Check(Program& program, wchar_t decimal) : program_(program), decimal_(decimal) {}

    bool Window() {
        WaitUntil(
            [&] {
                for (HWND frame : program_.TopWindows()) {
                    if (TextOf(frame) == L"ZEKT Quadrix") {
                        w_ = FindControls(frame);
                        return true;
                    }
                }
                return false;
            },
            kPatience);
        return Expect(w_.frame != nullptr, "a window \"ZEKT Quadrix\" appears") &&
               Expect(w_.tabs && w_.steps && w_.startStop && w_.reset && w_.output[0] &&
                          w_.output[1] && w_.panels == 2,
                      "tab control, steps field, \"&Start\", \"&Reset\", two output fields "
                      "and two panels");
    }

    void StartingState() {
        Expect(SendMessageW(w_.tabs, TCM_GETITEMCOUNT, 0, 0) == 2 &&
                   program_.TabCaption(w_.tabs, 0) == L"Pi per shoot" &&
                   program_.TabCaption(w_.tabs, 1) == L"Pi per stripe",
               "tabs \"Pi per shoot\", \"Pi per stripe\"", program_.TabCaption(w_.tabs, 1));
        Expect(SendMessageW(w_.tabs, TCM_GETCURSEL, 0, 0) == 0, "the first tab is selected");
        Expect(TextOf(w_.steps) == L"Steps per Tick (100 ms)" && !HasStyle(w_.steps, ES_READONLY),
               "steps field reads \"Steps per Tick (100 ms)\", editable", TextOf(w_.steps));
        Expect(TextOf(w_.output[0]).empty() && TextOf(w_.output[1]).empty() &&
                   HasStyle(w_.output[0], ES_MULTILINE | ES_READONLY) &&
                   InFront(w_.output[0], w_.output[1]),
               "both output fields empty and read-only, page 1 in front");
    }

    // Tab and Shift+Tab follow the layout's tab order, the page behind left out.
    // On Windows the program just started is in the foreground; under Wine on Xvfb no window
    // manager activates it, so it may hold no keyboard focus. Sharing its input state and
    // setting the focus, as UI test tools do, works on both.
    void TabOrder() {
        program_.AttachInput(w_.frame);
        SetFocus(w_.tabs);
        const HWND forward[] = {w_.startStop, w_.reset, w_.output[0], w_.steps, w_.tabs};
        Walk(forward, false, "Tab walks tabs, Start, Reset, output 1, steps, tabs");
        SelectTab(1);
        SetFocus(w_.tabs);
        const HWND backward[] = {w_.steps, w_.output[1], w_.reset, w_.startStop, w_.tabs};
        Walk(backward, true, "on page 2 Shift+Tab walks tabs, steps, output 2, Reset, Start, tabs");
        SelectTab(0);
    }

    void Validation() {
        PostMessageW(w_.startStop, BM_CLICK, 0, 0);
        const HWND box = Box();
        if (Expect(box != nullptr, "Start on the initial text shows a box")) {
            ExpectBox(box, L"No valid steps per tick!");
            Dismiss(box);
        }
        Expect(TextOf(w_.startStop) == L"&Start" && !HasStyle(w_.steps, ES_READONLY),
               "after it the button reads \"&Start\", the steps field stays editable");
    }

    void Shooting() {
        SetText(w_.steps, L"1000");
        AccessKey('s');
        Expect(WaitUntil([&] { return TextOf(w_.startStop) == L"&Stop"; }, kPatience) &&
                   HasStyle(w_.steps, ES_READONLY),
               "Alt+S starts: \"&Stop\", steps field locked");
        const long long first = WaitForShots(0, w_.output[0]);
        const long long second = WaitForShots(first, w_.output[0]);
        Expect(first > 0 && second > first && second % 1000 == 0, "the shot count grows by 1000s",
               TextOf(w_.output[0]));
        std::wstring pi;
        WaitUntil(
            [&] {
                pi = TextOf(w_.output[0]);
                pi = pi.substr(0, pi.find(L"\r\n"));
                return pi.find_first_of(L".,") != std::wstring::npos;
            },
            kPatience);
        Expect(pi.starts_with(L"PiRounded:  3") && pi.find(decimal_) != std::wstring::npos &&
                   std::count_if(pi.begin(), pi.end(),
                                 [](wchar_t c) { return c == L'.' || c == L','; }) == 1,
               std::string("the estimate has a decimal ") + (decimal_ == L',' ? "comma" : "point"),
               pi);
        AccessKey('r');
        Expect(WaitForShots(-1, w_.output[0], [&](long long shots) { return shots < second; }) > 0,
               "Alt+R resets: the count starts again", TextOf(w_.output[0]));
        AccessKey('s');
        Expect(WaitUntil([&] { return TextOf(w_.startStop) == L"&Start"; }, kPatience) &&
                   !HasStyle(w_.steps, ES_READONLY),
               "Alt+S stops: \"&Start\", steps field free");
    }

    // At one step per tick the stripes double from 4 to 1073741824 in 28 ticks and overflow at
    // the 29th. Started again they show fewer for almost 3 s, which a run that went on from
    // where it stopped (a Reset that did nothing) never does: it overflows at once.
    void StripeOverflow() {
        SetText(w_.steps, L"1");
        PostMessageW(w_.startStop, BM_CLICK, 0, 0);
        Expect(WaitUntil([&] { return TextOf(w_.startStop) == L"&Stop"; }, kPatience),
               "shooting runs at 1 step per tick");
        SelectTab(1);
        PostMessageW(w_.startStop, BM_CLICK, 0, 0);
        HWND box = Box();
        if (!Expect(box != nullptr, "the stripes overflow in a box")) {
            return;
        }
        ExpectBox(box,
                  L"Overflow\n\nPi per stripe stopped: the number of stripes cannot double beyond "
                  L"1073741824.\nTo run it again: press Reset (back to 4 stripes), then press "
                  L"Start.");
        Expect(!WaitUntil([&] { return program_.TopWindows(L"#32770").size() > 1; }, 500ms),
               "exactly one box");
        const long long shots = ValueOf(TextOf(w_.output[0]), L"ShootCount");
        Dismiss(box);
        Expect(WaitForShots(shots, w_.output[0]) > shots, "shooting goes on behind");
        Expect(ValueOf(TextOf(w_.output[1]), L"Count") == 1073741824 &&
                   TextOf(w_.startStop) == L"&Start" &&
                   !WaitUntil([&] { return !program_.TopWindows(L"#32770").empty(); }, 300ms),
               "stripes stopped at 1073741824: \"&Start\", no further box", TextOf(w_.output[1]));
        // The advice: Reset, then Start; then Stop before they overflow again.
        PostMessageW(w_.reset, BM_CLICK, 0, 0);
        PostMessageW(w_.startStop, BM_CLICK, 0, 0);
        Expect(WaitUntil(
                   [&] {
                       const long long count = ValueOf(TextOf(w_.output[1]), L"Count");
                       return count > 4 && count < 1073741824;
                   },
                   kPatience),
               "the advice followed runs the stripes again", TextOf(w_.output[1]));
        PostMessageW(w_.startStop, BM_CLICK, 0, 0);
        Expect(WaitUntil([&] { return TextOf(w_.startStop) == L"&Start"; }, kPatience),
               "Stop stops them");
    }

    void ExitThroughMenu() {
        // Alt+D, E as the menu sees them: SC_KEYMENU with the key; once the menu has opened
        // its popup (which it does through a key message of its own), the item's key.
        PostMessageW(w_.frame, WM_SYSCOMMAND, SC_KEYMENU, 'd');
        Expect(WaitUntil([&] { return !program_.TopWindows(L"#32768").empty(); }, kPatience),
               "Alt+D opens the menu");
        PostMessageW(w_.frame, WM_KEYDOWN, 'E', 1);
        PostMessageW(w_.frame, WM_CHAR, 'e', 1);
        const long status = program_.ExitStatus(kPatience);
        Expect(status == 0, "Alt+D, E ends the program with exit status 0",
               std::to_wstring(status));
    }

  private:
    void SelectTab(int position) {
        SendMessageW(w_.tabs, TCM_SETCURFOCUS, position, 0);
        Expect(WaitUntil(
                   [&] {
                       return SendMessageW(w_.tabs, TCM_GETCURSEL, 0, 0) == position &&
                              InFront(w_.output[position], w_.output[1 - position]);
                   },
                   kPatience),
               "tab " + std::to_string(position + 1) + " selected, its page in front");
    }

    // Posts the key the way the program's message loop takes it from the keyboard; Shift is
    // held in the input state the check shares with the program.
    void Walk(const HWND (&expected)[5], bool backward, const std::string& what) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = backward ? 0x80 : 0;
        SetKeyboardState(keys);
        std::wstring seen;
        bool ok = true;
        for (HWND next : expected) {
            const HWND from = FocusNear(w_.frame);
            PostMessageW(from, WM_KEYDOWN, VK_TAB, 1);
            PostMessageW(from, WM_KEYUP, VK_TAB, 0xC0000001);
            WaitUntil([&] { return FocusNear(w_.frame) != from; }, kPatience);
            seen += ClassOf(FocusNear(w_.frame)) + L" ";
            ok = ok && FocusNear(w_.frame) == next;
        }
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
        Expect(ok, what, seen);
    }

    // Alt+<key> as the WM_SYSCHAR that TranslateMessage makes of it, sent where the focus is.
    void AccessKey(wchar_t key) {
        HWND to = FocusNear(w_.frame);
        PostMessageW(to != nullptr ? to : w_.frame, WM_SYSCHAR, key, 1 | (1 << 29));
    }

    long long WaitForShots(long long after, HWND output,
                           const std::function<bool(long long)>& wanted = nullptr) {
        long long shots = -1;
        WaitUntil(
            [&] {
                shots = ValueOf(TextOf(output), L"ShootCount");
                return wanted ? wanted(shots) : shots > after;
            },
            kPatience);
        return shots;
    }

    HWND Box() {
        std::vector<HWND> boxes;
        WaitUntil([&] { return !(boxes = program_.TopWindows(L"#32770")).empty(); }, kPatience);
        return boxes.empty() ? nullptr : boxes.front();
    }

    void ExpectBox(HWND box, const std::wstring& prompt) {
        std::wstring text;
        int buttons = 0;
        for (HWND child : ChildrenOf(box)) {
            if (ClassOf(child) == L"Static" && !TextOf(child).empty()) {
                text = WithoutCarriageReturns(TextOf(child));
            } else if (ClassOf(child) == L"Button" && IsWindowVisible(child)) {
                ++buttons;
            }
        }
        Expect(TextOf(box) == L"Quadrix" && text == prompt && buttons == 1,
               "the box titled \"Quadrix\" says \"" + ToUtf8(prompt.substr(0, prompt.find(L'\n'))) +
                   (prompt.find(L'\n') == std::wstring::npos ? "\"" : "\"...") + ", one button",
               TextOf(box) + L": " + text);
    }

    void Dismiss(HWND box) {
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        Expect(WaitUntil([&] { return !IsWindow(box); }, kPatience), "OK closes the box");
    }

    Program& program_;
    wchar_t decimal_;
    struct Window w_;
};

}  // namespace
}  // namespace quadrix::win32_check

int wmain(int argc, wchar_t** argv) {
    using namespace quadrix::win32_check;
    const std::wstring steps = argc > 3 ? argv[3] : L"all";
    if (argc < 3 || (steps != L"all" && steps != L"shooting" && steps != L"start-and-exit")) {
        std::fprintf(stderr,
                     "usage: quadrix_window_check <quadrix.exe> <decimal separator> "
                     "[all|shooting|start-and-exit]\n");
        return 2;
    }
    Program program(argv[1]);
    Check check(program, argv[2][0]);
    if (check.Window()) {
        if (steps == L"all") {
            check.StartingState();
            check.TabOrder();
            check.Validation();
        }
        if (steps != L"start-and-exit") {
            check.Shooting();
        }
        if (steps == L"all") {
            check.StripeOverflow();
        }
        check.ExitThroughMenu();
    }
    std::printf("%d failed\n", failures);
    return failures;
}
