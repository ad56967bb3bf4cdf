// Where a method panel's square, error plot and caption line lie.
#pragma once

#include "panel_models/canvas_types.h"

namespace quadrix {

// The square on the left above the caption line, the plot filling the rest of
// its height to the right, all within a margin.
struct PanelGeometry {
    Rect square;
    Rect plot;
    Rect caption;
};

// The parts of a panel whose drawing fills `contents`, for a caption of that line height.
PanelGeometry PanelGeometryIn(const Rect& contents, double captionLineHeight);

// Where a point of the unit square, x to the right and y upwards, lies in the square.
Point InSquare(const Rect& square, double x, double y);

}  // namespace quadrix
