// The main window as designed: each control's kind, place in twips, text and orders.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "controller/calculation_controller.h"
#include "controller/method.h"

namespace quadrix {

// Positions and sizes in twips, from the top left of the window's client area.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

// A twip is 1/1440 inch: 15 twips are one pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixelAt96Dpi = 15;

enum class ControlKind {
    kTabStrip,
    kPictureBox,
    kTextBox,           // one line, editable
    kMultiLineTextBox,  // both scroll bars, locked: the program sets the text
    kCommandButton,
};

struct ControlDesign {
    std::string_view name;
    ControlKind kind;
    TwipsRect rect;
    std::string_view text;  // caption or initial text; "&" marks the access key
    int tabOrder;           // the focus order, 0 first
    // One element per method, all on the same spot (a control array).
    bool perMethod;
    // What a screen reader calls it; a control array's elements put the method's name first.
    std::string_view accessibleName;
};

inline constexpr std::string_view kWindowCaption = "ZEKT Quadrix";
inline constexpr TwipsRect kClientArea = {0, 0, 4905, 5745};
inline constexpr std::string_view kFileMenuCaption = "&Datei";
inline constexpr std::string_view kExitCaption = "B&eenden";
inline constexpr int kTickMilliseconds = 100;

// The controls from front to back in their initial stacking order. Only the tab strip
// overlaps other controls, and it lies behind them all.
// clang-format off
inline constexpr std::array<ControlDesign, 6> kControls = {{
    {"txtStepsPerTick", ControlKind::kTextBox, {120, 5400, 2055, 285},
     "Steps per Tick (100 ms)", 5, false, "Steps per tick"},
    {"txtOutput", ControlKind::kMultiLineTextBox, {240, 3120, 4455, 1575},
     "", 4, true, "output"},
    {"cmdReset", ControlKind::kCommandButton, {2640, 4800, 2055, 375},
     "&Reset", 3, false, ""},
    {"cmdStartStop", ControlKind::kCommandButton, {240, 4800, 1935, 375},
     CalculationController::kStartCaption, 2, false, ""},
    {"picOutput", ControlKind::kPictureBox, {240, 480, 4455, 2535},
     "", 1, true, "picture"},
    {"tabMethod", ControlKind::kTabStrip, {120, 120, 4695, 5175},
     "", 0, false, "Method"},
}};
// clang-format on

// The name a control array's element goes by: "txtOutput(1)".
std::string ElementName(const ControlDesign& control, Method method);
// "Pi per shoot output" for the element of an array, the control's own name otherwise.
std::string AccessibleName(const ControlDesign& control, Method method);

}  // namespace quadrix
