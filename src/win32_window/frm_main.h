// The program's only window: tabs, pages, buttons, the steps field, the menu and the timer.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controller/calculation_controller.h"
#include "controller/calculation_window.h"
#include "controller/method.h"
#include "runtime/long_arithmetic.h"
#include "win32_window/method_panel.h"
#include "win32_window/tab_order_walk.h"
#include "win32_window/window_procedure_edge.h"

namespace quadrix {

struct ControlDesign;

// "ZEKT Quadrix": a tab and a page (panel and output field) per method, Start/Stop
// and Reset, the steps-per-tick field, the menu and the 100 ms timer, laid out as
// the layout table says at the window's DPI. What the buttons, tabs and timer do
// is the calculation controller's; the window hands it their events.
class frmMain : private CalculationWindow {
  public:
    static constexpr const wchar_t* kClassName = L"QuadrixMainWindow";

    frmMain();
    ~frmMain() override;
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // Shows the window modeless; the first time it is loaded (Form_Load) before it appears.
    void Show();
    // Destroys the window with its controls and timer; the object stays.
    void Unload();
    bool Loaded() const { return window_ != nullptr; }
    HWND Handle() const { return window_; }

    // Keys for the window's controls from the message loop: Tab and Shift+Tab
    // in the layout's tab order, access keys through the dialog manager. True
    // when the message has been dealt with and must not be dispatched.
    bool TranslateDialogKeys(MSG& message);

    // The menu's exit item was chosen; the start-up module ends the program on it.
    void OnExitChosen(std::function<void()> handler) { exitChosen_ = std::move(handler); }

    void tmrCalc_Timer();
    void cmdStartStop_Click();
    void cmdReset_Click();
    void tabMethod_Click();
    void mnuFileExit_Click();

  private:
    // A control of the layout on the window: one element of a control array, or a single control.
    struct PlacedControl {
        const ControlDesign* design;
        Method method;
        HWND window;
    };

    void Form_Initialize();
    void Form_Load();

    void Load();
    void CreateMenuBar();
    void CreateControls();
    HWND CreateControl(const ControlDesign& design, Method method);
    // Places the controls, sizes the frame and sets the fonts and icons for `dpi`.
    void LayOut(UINT dpi, const RECT* suggested);
    void MoveFocus(bool forward);

    static void RegisterWindowClass();
    friend LRESULT CALLBACK OwnedWindowProcedure<frmMain>(HWND window, UINT message, WPARAM wParam,
                                                          LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT ColourOfField(HDC dc, HWND control);
    void OnDestroyed();

    // What the controller sees of the window.
    std::string StepsText() const override;
    void LockSteps(bool locked) override;
    void SetStartStopCaption(const std::string& caption) override;
    void SetOutputText(Method method, const std::string& text) override;
    void BringPageToFront(Method method) override;
    Long SelectedTabIndex() const override;
    void ShowMessage(const std::string& prompt) override;
    void ShowState(Method method, const EstimatorState& state) override;
    void ForgetRun(Method method) override;

    std::unique_ptr<CalculationController> controller_;

    HWND window_ = nullptr;
    HWND tabMethod_ = nullptr;
    std::array<std::unique_ptr<MethodPanel>, kMethodCount> picOutput_;
    std::array<HWND, kMethodCount> txtOutput_{};
    HWND cmdStartStop_ = nullptr;
    HWND cmdReset_ = nullptr;
    HWND txtStepsPerTick_ = nullptr;
    bool timerOn_ = false;

    std::vector<PlacedControl> controls_;
    std::vector<FocusStop> focusStops_;
    std::vector<HWND> focusWindows_;  // one per focus stop
    HWND focusWhenInactive_ = nullptr;

    HFONT font_ = nullptr;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;

    std::function<void()> exitChosen_;
};

}  // namespace quadrix
