// The shooting method's panel drawn on a canvas and told to screen readers.
#pragma once

#include <string>

#include "panel_models/canvas.h"
#include "panel_models/shoot_panel_model.h"

namespace quadrix {

// The latest shots as dots in the unit square, hits in blue and misses in
// orange, under the quarter circle's arc; beside them the error plot against
// the error to expect, and the interval for pi below.
void DrawShootPanel(Canvas& canvas, const Rect& contents, const ShootPanelModel& model);

// The caption, the shots shown and the plot, for screen readers.
std::string ShootPanelDescription(const ShootPanelModel& model);

}  // namespace quadrix
