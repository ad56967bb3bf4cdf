#pragma once

#include "main_window/model_panel.h"
#include "panel_models/shoot_panel_model.h"

namespace quadrix {

// The shooting method's panel: the latest shots as dots in the unit square, hits
// in blue and misses in orange, under the quarter circle's arc.
class ShootPanel : public ModelPanel<ShootPanelModel> {
    Q_OBJECT

  public:
    static constexpr double kDotRadius = 1.3;

    explicit ShootPanel(QWidget* parent);

  protected:
    void TakeState(const EstimatorState& state) override;
    QString SquareSummary() const override;
    void PaintSquare(QPainter& painter, const QRectF& square) const override;
    QString ReferenceLabel() const override;
    QString CountName() const override;
    QString Caption() const override;
};

}  // namespace quadrix
