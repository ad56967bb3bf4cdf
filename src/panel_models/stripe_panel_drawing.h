// The stripe method's panel drawn on a canvas and told to screen readers.
#pragma once

#include <string>

#include "panel_models/canvas.h"
#include "panel_models/stripe_panel_model.h"

namespace quadrix {

// Under the quarter circle the upper rectangles (light orange where they
// overshoot) and the lower ones (light blue) while a stripe is at least two
// pixels wide, else the band between the two step curves (orange) above the
// area under the lower one (light blue); beside them the error plot with the
// line fitted through it, and the bracket for pi below.
void DrawStripePanel(Canvas& canvas, const Rect& contents, const StripePanelModel& model);

// The caption, what the square shows at that side and the plot, for screen readers.
std::string StripePanelDescription(const StripePanelModel& model, double squareSide);

}  // namespace quadrix
