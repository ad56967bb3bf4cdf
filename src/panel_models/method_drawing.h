// What a method's panel shows, whatever toolkit paints it: its model, drawn and described.
#pragma once

#include <string>
#include <variant>

#include "controller/method.h"
#include "estimators/estimator_state.h"
#include "panel_models/canvas.h"
#include "panel_models/panel_geometry.h"
#include "panel_models/shoot_panel_model.h"
#include "panel_models/stripe_panel_model.h"

namespace quadrix {

// The method's panel model: the latest shots in the unit square under the arc,
// or the stripes' rectangles or band, with the run's error plot and caption.
class MethodDrawing {
  public:
    using Model = std::variant<ShootPanelModel, StripePanelModel>;

    explicit MethodDrawing(Method method);

    // Takes the state the method's output field has just been given.
    void TakeState(const EstimatorState& state);
    // The method was reset: the drawing stays until its next state.
    void ForgetRun();

    void Draw(Canvas& canvas, const Rect& contents) const;
    // What a screen reader tells of the drawing.
    std::string Description(const PanelGeometry& geometry) const;

    const Model& ModelShown() const { return model_; }

  private:
    Model model_;
};

}  // namespace quadrix
