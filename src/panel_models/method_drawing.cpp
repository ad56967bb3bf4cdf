// What a method's panel shows, whatever toolkit paints it: its model, drawn and described.
#include "panel_models/method_drawing.h"

#include "panel_models/shoot_panel_drawing.h"
#include "panel_models/stripe_panel_drawing.h"

namespace quadrix {

MethodDrawing::MethodDrawing(Method method)
    : model_(method == Method::kShooting ? Model(ShootPanelModel()) : Model(StripePanelModel())) {}

void MethodDrawing::TakeState(const EstimatorState& state) {
    if (auto* shooting = std::get_if<ShootPanelModel>(&model_)) {
        shooting->Update(std::get<ShootState>(state));
    } else {
        std::get<StripePanelModel>(model_).Update(std::get<StripeState>(state));
    }
}

void MethodDrawing::ForgetRun() {
    std::visit([](auto& model) { model.ForgetRun(); }, model_);
}

void MethodDrawing::Draw(Canvas& canvas, const Rect& contents) const {
    if (const auto* shooting = std::get_if<ShootPanelModel>(&model_)) {
        DrawShootPanel(canvas, contents, *shooting);
    } else {
        DrawStripePanel(canvas, contents, std::get<StripePanelModel>(model_));
    }
}

std::string MethodDrawing::Description(const PanelGeometry& geometry) const {
    if (const auto* shooting = std::get_if<ShootPanelModel>(&model_)) {
        return ShootPanelDescription(*shooting);
    }
    return StripePanelDescription(std::get<StripePanelModel>(model_), geometry.square.width);
}

}  // namespace quadrix
