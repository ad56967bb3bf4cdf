#pragma once

#include "main_window/model_panel.h"
#include "main_window/panel_models/shoot_panel_model.h"

namespace quadrix {

class QuadrixShoot;

// The shooting method's panel: the latest shots as dots in the unit square, hits
// in blue and misses in orange, under the quarter circle's arc.
class ShootPanel : public ModelPanel<ShootPanelModel> {
    Q_OBJECT

  public:
    static constexpr double kDotRadius = 1.3;

    // Reads the estimator's state whenever it is shown one.
    ShootPanel(const QuadrixShoot& shoot, QWidget* parent);

    void ShowState(const std::string& stateText) override;

  protected:
    void PaintSquare(QPainter& painter, const QRectF& square) const override;
    QString ReferenceLabel() const override;
    QString CountName() const override;
    QString Caption() const override;

  private:
    const QuadrixShoot& shoot_;
};

}  // namespace quadrix
