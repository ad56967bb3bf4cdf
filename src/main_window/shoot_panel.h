#pragma once

#include "main_window/method_panel.h"
#include "main_window/panel_models/shoot_panel_model.h"

namespace quadrix {

class QuadrixShoot;

// The shooting method's panel: the latest shots as dots in the unit square, hits
// in blue and misses in orange, under the quarter circle's arc.
class ShootPanel : public MethodPanel {
    Q_OBJECT

  public:
    static constexpr double kDotRadius = 1.3;

    // Reads the estimator's state whenever it is shown one.
    ShootPanel(const QuadrixShoot& shoot, QWidget* parent);

    void ShowState(const std::string& stateText) override;
    void ForgetRun() override { model_.ForgetRun(); }

    const ShootPanelModel& Model() const { return model_; }

  protected:
    void PaintSquare(QPainter& painter, const QRectF& square) const override;
    const ConvergencePlot& Plot() const override { return model_.Plot(); }
    std::optional<ConvergencePlot::Line> ReferenceLine() const override {
        return model_.ReferenceLine();
    }
    QString ReferenceLabel() const override;
    QString CountName() const override;
    QString Caption() const override;

  private:
    const QuadrixShoot& shoot_;
    ShootPanelModel model_;
};

}  // namespace quadrix
