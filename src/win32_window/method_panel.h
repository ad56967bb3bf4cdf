// A method's white panel: the window class QuadrixPanel painting the method's drawing.
#pragma once

#include <windows.h>

#include <string>

#include "controller/method.h"
#include "estimators/estimator_state.h"
#include "panel_models/method_drawing.h"
#include "panel_models/panel_geometry.h"
#include "win32_window/window_procedure_edge.h"

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
    explicit MethodPanel(Method method) : drawing_(method) {}
    ~MethodPanel();
    MethodPanel(const MethodPanel&) = delete;
    MethodPanel& operator=(const MethodPanel&) = delete;

    // The panel's window, a child of `parent`, with the given styles added.
    void Create(HWND parent, DWORD style);
    HWND Handle() const { return window_; }

    // The method's output field has just been given the text of this state.
    void ShowState(const EstimatorState& state);
    // The method was reset: the drawing stays until its next state.
    void ForgetRun() { drawing_.ForgetRun(); }

  private:
    static void RegisterWindowClass();
    friend LRESULT CALLBACK OwnedWindowProcedure<MethodPanel>(HWND window, UINT message,
                                                              WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    // Device pixels per logical pixel at the window's DPI.
    double Ratio() const;
    // The client area in logical pixels.
    Rect Contents() const;
    PanelGeometry Geometry() const;
    // The height of the caption's line in the window's font; a new font (and with a new
    // DPI comes a new font) is measured once, not at every state.
    double MeasureCaptionLineHeight() const;

    MethodDrawing drawing_;
    HWND window_ = nullptr;
    HFONT font_ = nullptr;  // the window's, set with WM_SETFONT
    double captionLineHeight_ = 0.0;
};

}  // namespace quadrix
