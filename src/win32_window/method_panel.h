// A method's white panel: the window class QuadrixPanel painting the method's drawing.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "controller/method.h"
#include "estimators/estimator_state.h"
#include "panel_models/canvas.h"
#include "panel_models/panel_geometry.h"

namespace quadrix {

// A method's white panel in a sunken frame with a drawing of what the method
// does. It draws its model only; the model changes when the window hands the
// panel the method's state after a tick, and only then is the panel repainted.
// Screen readers get the caption and a summary of the drawing as its
// description. Painted through a memory bitmap, so nothing flickers.
class MethodPanel {
  public:
    static constexpr const wchar_t* kClassName = L"QuadrixPanel";

    // The method's panel; its window comes with Create.
    static std::unique_ptr<MethodPanel> ForMethod(Method method);

    virtual ~MethodPanel();
    MethodPanel(const MethodPanel&) = delete;
    MethodPanel& operator=(const MethodPanel&) = delete;

    // The panel's window, a child of `parent`, with the given styles added.
    void Create(HWND parent, DWORD style);
    HWND Handle() const { return window_; }

    // The method's output field has just been given the text of this state.
    void ShowState(const EstimatorState& state);
    // The method was reset: the drawing stays until its next state.
    virtual void ForgetRun() = 0;

  protected:
    MethodPanel() = default;

    // Takes the state into the panel's model.
    virtual void TakeState(const EstimatorState& state) = 0;
    virtual void Draw(Canvas& canvas, const Rect& contents) const = 0;
    virtual std::string Description(const PanelGeometry& geometry) const = 0;

  private:
    static void RegisterWindowClass();
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    // Device pixels per logical pixel at the window's DPI.
    double Ratio() const;
    // The client area in logical pixels.
    Rect Contents() const;
    PanelGeometry Geometry() const;

    HWND window_ = nullptr;
    HFONT font_ = nullptr;  // the window's, set with WM_SETFONT
};

}  // namespace quadrix
