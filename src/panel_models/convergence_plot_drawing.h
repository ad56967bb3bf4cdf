// The run's error plot drawn on a canvas and told in a line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "panel_models/canvas.h"
#include "panel_models/convergence_plot.h"

namespace quadrix {

// What the plot shows beside its points.
struct PlotLabels {
    // A faint line of the error the method has to expect, with its label.
    std::optional<ConvergencePlot::Line> reference;
    std::string referenceLabel;
    // What the horizontal axis counts: "shots".
    std::string_view countName;
};

// Draws the plot in an area: both axes logarithmic over whole decades, labelled
// at their ends, the points with the latest one circled, and the reference line
// with its label. Draws nothing for an empty plot.
void DrawConvergencePlot(Canvas& canvas, const Rect& area, const ConvergencePlot& plot,
                         const PlotLabels& labels);

// "Error plot of 3 ticks, latest error 0.00488 at 40022 shots."; empty for an empty plot.
std::string ConvergencePlotSummary(const ConvergencePlot& plot, std::string_view countName);

// "10⁻³" for -3.
std::string PowerOfTen(int exponent);

}  // namespace quadrix
