// The program's only window: tabs, pages, buttons, the steps field, the menu and the timer.
#include "win32_window/frm_main.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>
#include <system_error>

#include "panel_models/window_layout.h"
#include "win32_window/accessible_text.h"
#include "win32_window/message_box.h"
#include "win32_window/message_font.h"
#include "win32_window/program_icon.h"
#include "win32_window/wide_text.h"
#include "win32_window/window_procedure_edge.h"

namespace quadrix {
namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr UINT kExitCommand = 100;
// A fixed frame: no sizing border, no maximize box.
constexpr DWORD kFrameStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kFrameExStyle = 0;

[[noreturn]] void ThrowLastError(const char* what) {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
}

int InPixels(int twips, UINT dpi) {
    return MulDiv(twips, static_cast<int>(dpi), 1440);
}

}  // namespace

void frmMain::RegisterWindowClass() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = &OwnedWindowProcedure<frmMain>;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = frmMain::kClassName;
        if (RegisterClassExW(&windowClass) == 0) {
            ThrowLastError("RegisterClassEx");
        }
        return true;
    }();
    (void)registered;
}

namespace {

HWND CreateChild(const wchar_t* windowClass, std::string_view text, DWORD style, DWORD exStyle,
                 HWND parent) {
    HWND child = CreateWindowExW(exStyle, windowClass, ToWide(text).c_str(),
                                 WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, 0, 0, 0, 0,
                                 parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (child == nullptr) {
        ThrowLastError("CreateWindowEx");
    }
    return child;
}

}  // namespace

frmMain::frmMain() {
    Form_Initialize();
}

frmMain::~frmMain() {
    Unload();
}

void frmMain::Form_Initialize() {
    CalculationWindow& window = *this;
    controller_ = std::make_unique<CalculationController>(window);
}

void frmMain::Show() {
    if (!Loaded()) {
        Load();
    }
    ShowWindow(window_, SW_SHOWDEFAULT);  // as the program was started: normal, minimized...
    UpdateWindow(window_);
    if (GetFocus() == nullptr || !IsChild(window_, GetFocus())) {
        SetFocus(tabMethod_);
    }
}

void frmMain::Unload() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

// The window, its menu and its controls as designed, then the load sequence.
void frmMain::Load() {
    RegisterWindowClass();
    // The window procedure takes the object from the creation parameters.
    if (CreateWindowExW(kFrameExStyle, kClassName, ToWide(kWindowCaption).c_str(), kFrameStyle,
                        CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr,
                        GetModuleHandleW(nullptr), this) == nullptr) {
        ThrowLastError("CreateWindowEx");
    }
    CreateMenuBar();
    CreateControls();
    LayOut(GetDpiForWindow(window_), nullptr);
    Form_Load();
}

void frmMain::Form_Load() {
    TabCtrl_DeleteAllItems(tabMethod_);
    // Inserting tabs selects the first without a selection notice: no click by the user.
    for (const Method method : kMethods) {
        std::wstring caption = ToWide(MethodName(method));
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        if (SendMessageW(tabMethod_, TCM_INSERTITEMW, static_cast<WPARAM>(TabPositionOf(method)),
                         reinterpret_cast<LPARAM>(&item)) < 0) {
            throw std::runtime_error("the tab control takes no tab");
        }
    }
    tabMethod_Click();
    if (SetTimer(window_, kTimerId, kTickMilliseconds, nullptr) == 0) {
        ThrowLastError("SetTimer");
    }
    timerOn_ = true;
}

void frmMain::tmrCalc_Timer() {
    controller_->Tick();
}

void frmMain::cmdStartStop_Click() {
    controller_->StartStop();
}

void frmMain::cmdReset_Click() {
    controller_->Reset();
}

void frmMain::tabMethod_Click() {
    controller_->SelectTab();
}

void frmMain::mnuFileExit_Click() {
    // No tick may come between the exit and the end of the program.
    KillTimer(window_, kTimerId);
    timerOn_ = false;
    // The handler may release this window object: it runs from a copy.
    if (const std::function<void()> handler = exitChosen_) {
        handler();
    }
}

void frmMain::CreateMenuBar() {
    HMENU mnuFile = CreatePopupMenu();
    HMENU menuBar = CreateMenu();
    if (mnuFile == nullptr || menuBar == nullptr ||
        !AppendMenuW(mnuFile, MF_STRING, kExitCommand, ToWide(kExitCaption).c_str()) ||
        !AppendMenuW(menuBar, MF_POPUP, reinterpret_cast<UINT_PTR>(mnuFile),
                     ToWide(kFileMenuCaption).c_str()) ||
        !SetMenu(window_, menuBar)) {
        ThrowLastError("menu");
    }
}

// Both pages are laid out in advance, on one spot. The stacking order is the
// layout's, front to back, whatever order Windows gives new children.
void frmMain::CreateControls() {
    for (const ControlDesign& design : kControls) {
        for (const Method method : kMethods) {
            if (design.perMethod || method == Method::kShooting) {
                controls_.push_back({&design, method, CreateControl(design, method)});
            }
        }
    }
    for (const PlacedControl& control : controls_) {
        SetWindowPos(control.window, HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (!control.design->accessibleName.empty()) {
            SetAccessibleName(control.window, AccessibleName(*control.design, control.method));
        }
        if (control.design->kind != ControlKind::kPictureBox) {
            focusWindows_.push_back(control.window);
        }
    }
    focusStops_ = FocusStopsOf(kControls);
    if (focusStops_.size() != focusWindows_.size()) {
        throw std::logic_error("focus stops and controls differ");
    }
}

HWND frmMain::CreateControl(const ControlDesign& design, Method method) {
    switch (design.kind) {
        case ControlKind::kTabStrip:
            return tabMethod_ = CreateChild(WC_TABCONTROLW, "", WS_TABSTOP, 0, window_);
        case ControlKind::kPictureBox: {
            auto& panel = picOutput_[SlotOf(method)] = std::make_unique<MethodPanel>(method);
            panel->Create(window_, WS_VISIBLE | WS_CLIPSIBLINGS);
            return panel->Handle();
        }
        case ControlKind::kMultiLineTextBox:
            // Scroll bars both ways, so lines never wrap; the text keeps its CR LF.
            return txtOutput_[SlotOf(method)] =
                       CreateChild(WC_EDITW, design.text,
                                   WS_TABSTOP | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE |
                                       ES_READONLY | ES_AUTOHSCROLL | ES_AUTOVSCROLL,
                                   WS_EX_CLIENTEDGE, window_);
        case ControlKind::kTextBox:
            txtStepsPerTick_ = CreateChild(WC_EDITW, design.text, WS_TABSTOP | ES_AUTOHSCROLL,
                                           WS_EX_CLIENTEDGE, window_);
            SendMessageW(txtStepsPerTick_, EM_SETLIMITTEXT, 0, 0);  // 0: as long as Windows allows
            return txtStepsPerTick_;
        case ControlKind::kCommandButton:
            return (design.name == "cmdReset" ? cmdReset_ : cmdStartStop_) =
                       CreateChild(WC_BUTTONW, design.text, WS_TABSTOP | BS_PUSHBUTTON, 0, window_);
    }
    throw std::logic_error("unknown kind of control");
}

void frmMain::LayOut(UINT dpi, const RECT* suggested) {
    HFONT font = CreateMessageFont(dpi);
    for (const PlacedControl& control : controls_) {
        const TwipsRect& rect = control.design->rect;
        SetWindowPos(control.window, nullptr, InPixels(rect.left, dpi), InPixels(rect.top, dpi),
                     InPixels(rect.width, dpi), InPixels(rect.height, dpi),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
    font_ = font;

    for (auto [icon, small] : {std::pair{&bigIcon_, false}, std::pair{&smallIcon_, true}}) {
        HICON loaded = LoadProgramIcon(small, dpi);
        SendMessageW(window_, WM_SETICON, small ? ICON_SMALL : ICON_BIG,
                     reinterpret_cast<LPARAM>(loaded));
        if (*icon != nullptr) {
            DestroyIcon(*icon);
        }
        *icon = loaded;
    }

    RECT frame{0, 0, InPixels(kClientArea.width, dpi), InPixels(kClientArea.height, dpi)};
    const SIZE client{frame.right, frame.bottom};
    AdjustWindowRectExForDpi(&frame, kFrameStyle, TRUE, kFrameExStyle, dpi);
    RECT placed{};
    GetWindowRect(window_, &placed);
    const POINT topLeft = suggested != nullptr ? POINT{suggested->left, suggested->top}
                                               : POINT{placed.left, placed.top};
    SetWindowPos(window_, nullptr, topLeft.x, topLeft.y, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps onto a second line takes from the client area: give it back.
    RECT actual{};
    GetClientRect(window_, &actual);
    if (actual.right != client.cx || actual.bottom != client.cy) {
        SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left + client.cx - actual.right,
                     frame.bottom - frame.top + client.cy - actual.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

bool frmMain::TranslateDialogKeys(MSG& message) {
    if (window_ == nullptr || (message.hwnd != window_ && !IsChild(window_, message.hwnd))) {
        return false;
    }
    // Windows' dialog manager would follow the stacking order, which the page
    // selection changes; the focus follows the layout's tab order instead.
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB &&
        (GetKeyState(VK_CONTROL) & 0x8000) == 0 && (GetKeyState(VK_MENU) & 0x8000) == 0) {
        MoveFocus((GetKeyState(VK_SHIFT) & 0x8000) == 0);
        return true;
    }
    return IsDialogMessageW(window_, &message) != FALSE;
}

void frmMain::MoveFocus(bool forward) {
    std::optional<std::size_t> current;
    HWND focus = GetFocus();
    for (std::size_t stop = 0; stop < focusWindows_.size(); ++stop) {
        if (focus != nullptr &&
            (focusWindows_[stop] == focus || IsChild(focusWindows_[stop], focus))) {
            current = stop;
        }
    }
    const Long selected = controller_->SelectedMethod();
    HWND next = focusWindows_.at(NextFocusStop(
        focusStops_, current, forward, selected == 0 ? Method::kShooting : MethodAt(selected)));
    SetFocus(next);
    // As the dialog manager does: an edit field reached by Tab has its text selected.
    if ((SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) {
        SendMessageW(next, EM_SETSEL, 0, -1);
    }
}

LRESULT frmMain::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(wParam, lParam);
            return 0;
        case WM_NOTIFY: {
            const auto* notice = reinterpret_cast<const NMHDR*>(lParam);
            if (notice->hwndFrom == tabMethod_ && notice->code == TCN_SELCHANGE) {
                tabMethod_Click();
            }
            return 0;
        }
        case WM_TIMER:
            // A tick queued before the timer was killed finds it off.
            if (wParam == kTimerId && timerOn_) {
                tmrCalc_Timer();
            }
            return 0;
        case WM_ACTIVATE:
            // Gives the focus back to the control that had it when the window was left.
            if (LOWORD(wParam) == WA_INACTIVE) {
                focusWhenInactive_ = GetFocus();
            } else {
                SetFocus(focusWhenInactive_ != nullptr && IsChild(window_, focusWhenInactive_)
                             ? focusWhenInactive_
                             : tabMethod_);
            }
            return 0;
        case WM_CTLCOLORSTATIC:
            return ColourOfField(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_DPICHANGED:
            LayOut(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_DESTROY:
            KillTimer(window_, kTimerId);
            timerOn_ = false;
            // The program's only window: with it gone, no window is loaded.
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY: {
            HWND going = window_;
            OnDestroyed();
            return DefWindowProcW(going, message, wParam, lParam);
        }
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

// Windows greys a read-only field; the output fields and the locked steps field
// keep the white ground of a field that is there to be read.
LRESULT frmMain::ColourOfField(HDC dc, HWND control) {
    const bool field = control == txtStepsPerTick_ ||
                       std::find(txtOutput_.begin(), txtOutput_.end(), control) != txtOutput_.end();
    if (!field) {
        return DefWindowProcW(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(control));
    }
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

void frmMain::OnCommand(WPARAM wParam, LPARAM lParam) {
    const auto control = reinterpret_cast<HWND>(lParam);
    if (control == nullptr) {
        if (HIWORD(wParam) == 0 && LOWORD(wParam) == kExitCommand) {
            mnuFileExit_Click();
        }
        return;
    }
    if (HIWORD(wParam) != BN_CLICKED) {
        return;
    }
    if (control == cmdStartStop_) {
        cmdStartStop_Click();
    } else if (control == cmdReset_) {
        cmdReset_Click();
    }
}

// The controls are gone with the window; the estimators stay with the object.
void frmMain::OnDestroyed() {
    for (const PlacedControl& control : controls_) {
        if (control.design->kind != ControlKind::kPictureBox) {
            ForgetAccessibleTexts(control.window);
        }
    }
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    window_ = tabMethod_ = cmdStartStop_ = cmdReset_ = txtStepsPerTick_ = nullptr;
    txtOutput_ = {};
    controls_.clear();
    focusStops_.clear();
    focusWindows_.clear();
    focusWhenInactive_ = nullptr;
    DeleteObject(font_);
    font_ = nullptr;
    DestroyIcon(bigIcon_);
    DestroyIcon(smallIcon_);
    bigIcon_ = smallIcon_ = nullptr;
}

std::string frmMain::StepsText() const {
    const int length = GetWindowTextLengthW(txtStepsPerTick_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(txtStepsPerTick_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied));
    return ToUtf8(text);
}

void frmMain::LockSteps(bool locked) {
    SendMessageW(txtStepsPerTick_, EM_SETREADONLY, locked ? TRUE : FALSE, 0);
}

void frmMain::SetStartStopCaption(const std::string& caption) {
    SetWindowTextW(cmdStartStop_, ToWide(caption).c_str());
}

// The field takes CR LF as one line break.
void frmMain::SetOutputText(Method method, const std::string& text) {
    SetWindowTextW(txtOutput_[SlotOf(method)], ToWide(text).c_str());
}

void frmMain::BringPageToFront(Method method) {
    HWND front = txtOutput_[SlotOf(method)];
    for (HWND control : {picOutput_[SlotOf(method)]->Handle(), front}) {
        SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        RedrawWindow(control, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    // The field behind cannot be seen, so it gives the focus to the one in front.
    HWND focus = GetFocus();
    for (HWND field : txtOutput_) {
        if (field != front && focus == field) {
            SetFocus(front);
        }
    }
}

Long frmMain::SelectedTabIndex() const {
    return MethodIndexOfTab(TabCtrl_GetCurSel(tabMethod_));
}

void frmMain::ShowMessage(const std::string& prompt) {
    ShowMessageBox(window_, prompt);
}

void frmMain::ShowState(Method method, const EstimatorState& state) {
    picOutput_[SlotOf(method)]->ShowState(state);
}

void frmMain::ForgetRun(Method method) {
    picOutput_[SlotOf(method)]->ForgetRun();
}

}  // namespace quadrix
