// The shooting method's panel: holds its model and draws it.
#pragma once

#include "panel_models/shoot_panel_model.h"
#include "win32_window/method_panel.h"

namespace quadrix {

// The latest shots in the unit square under the quarter circle's arc.
class ShootPanel : public MethodPanel {
  public:
    void ForgetRun() override { model_.ForgetRun(); }

  protected:
    void TakeState(const EstimatorState& state) override;
    void Draw(Canvas& canvas, const Rect& contents) const override;
    std::string Description(const PanelGeometry& geometry) const override;

  private:
    ShootPanelModel model_;
};

}  // namespace quadrix
