// The stripe method's panel: holds its model and draws it.
#include "win32_window/stripe_panel.h"

#include "panel_models/stripe_panel_drawing.h"

namespace quadrix {

void StripePanel::TakeState(const EstimatorState& state) {
    model_.Update(std::get<StripeState>(state));
}

void StripePanel::Draw(Canvas& canvas, const Rect& contents) const {
    DrawStripePanel(canvas, contents, model_);
}

std::string StripePanel::Description(const PanelGeometry& geometry) const {
    return StripePanelDescription(model_, geometry.square.width);
}

}  // namespace quadrix
