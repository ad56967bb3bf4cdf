#pragma once

#include "main_window/model_panel.h"
#include "panel_models/stripe_panel_model.h"

namespace quadrix {

// The stripe method's panel: under the quarter circle the upper rectangles
// (light orange where they overshoot) and the lower ones (light blue) while a
// stripe is at least two pixels wide, else the band between the two step curves
// (orange) above the area under the lower one (light blue).
class StripePanel : public ModelPanel<StripePanelModel> {
    Q_OBJECT

  public:
    explicit StripePanel(QWidget* parent);

  protected:
    void TakeState(const EstimatorState& state) override;
    QString SquareSummary() const override;
    void PaintSquare(QPainter& painter, const QRectF& square) const override;
    QString ReferenceLabel() const override;
    QString CountName() const override;
    QString Caption() const override;

  private:
    void PaintRectangles(QPainter& painter, const QRectF& square) const;
    void PaintBand(QPainter& painter, const QRectF& square) const;
};

}  // namespace quadrix
