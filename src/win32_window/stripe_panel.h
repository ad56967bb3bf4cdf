// The stripe method's panel: holds its model and draws it.
#pragma once

#include "panel_models/stripe_panel_model.h"
#include "win32_window/method_panel.h"

namespace quadrix {

// The upper and lower rectangles, or the band between them, under the quarter circle.
class StripePanel : public MethodPanel {
  public:
    void ForgetRun() override { model_.ForgetRun(); }

  protected:
    void TakeState(const EstimatorState& state) override;
    void Draw(Canvas& canvas, const Rect& contents) const override;
    std::string Description(const PanelGeometry& geometry) const override;

  private:
    StripePanelModel model_;
};

}  // namespace quadrix
