// The shooting method's panel: holds its model and draws it.
#include "win32_window/shoot_panel.h"

#include "panel_models/shoot_panel_drawing.h"

namespace quadrix {

void ShootPanel::TakeState(const EstimatorState& state) {
    model_.Update(std::get<ShootState>(state));
}

void ShootPanel::Draw(Canvas& canvas, const Rect& contents) const {
    DrawShootPanel(canvas, contents, model_);
}

std::string ShootPanel::Description(const PanelGeometry& /*geometry*/) const {
    return ShootPanelDescription(model_);
}

}  // namespace quadrix
