// What every method's panel draws and tells around its square.
#pragma once

#include <string>
#include <string_view>

#include "panel_models/canvas.h"
#include "panel_models/convergence_plot.h"
#include "panel_models/convergence_plot_drawing.h"
#include "panel_models/panel_geometry.h"

namespace quadrix {

// A method's plot with its labels and its caption line.
struct PanelContent {
    const ConvergencePlot& plot;
    PlotLabels labels;
    std::string_view caption;
};

// What a panel tells screen readers before its first state.
inline constexpr std::string_view kEmptyPanelDescription = "Nothing drawn yet.";

// The white ground within `contents` and the square's outline; the method draws
// the square's contents on top.
PanelGeometry DrawPanelGround(Canvas& canvas, const Rect& contents);

// Over the square's contents, the quarter circle of radius 1 about the square's
// lower left corner; then the error plot and the caption line, cut to its width.
void DrawPanelOverlay(Canvas& canvas, const PanelGeometry& geometry, const PanelContent& content);

// For screen readers: the caption, one line on the square and one on the plot.
std::string PanelDescription(const PanelContent& content, std::string_view squareSummary);

}  // namespace quadrix
