// The stripe method's panel: holds its model and draws it.
#pragma once

#include "main_window/method_panel.h"
#include "panel_models/stripe_panel_model.h"

namespace quadrix {

// The upper and lower rectangles, or the band between them, under the quarter circle.
class StripePanel : public MethodPanel {
    Q_OBJECT

  public:
    explicit StripePanel(QWidget* parent);

    void ForgetRun() override { model_.ForgetRun(); }
    const StripePanelModel& Model() const { return model_; }

  protected:
    void TakeState(const EstimatorState& state) override;
    void Draw(Canvas& canvas, const Rect& contents) const override;
    std::string Description(const PanelGeometry& geometry) const override;

  private:
    StripePanelModel model_;
};

}  // namespace quadrix
