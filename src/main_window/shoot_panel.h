// The shooting method's panel: holds its model and draws it.
#pragma once

#include "main_window/method_panel.h"
#include "panel_models/shoot_panel_model.h"

namespace quadrix {

// The latest shots in the unit square under the quarter circle's arc.
class ShootPanel : public MethodPanel {
    Q_OBJECT

  public:
    explicit ShootPanel(QWidget* parent);

    void ForgetRun() override { model_.ForgetRun(); }
    const ShootPanelModel& Model() const { return model_; }

  protected:
    void TakeState(const EstimatorState& state) override;
    void Draw(Canvas& canvas, const Rect& contents) const override;
    std::string Description(const PanelGeometry& geometry) const override;

  private:
    ShootPanelModel model_;
};

}  // namespace quadrix
