#pragma once

#include "main_window/method_panel.h"
#include "main_window/panel_models/stripe_panel_model.h"

namespace quadrix {

// The stripe method's panel: under the quarter circle the upper rectangles
// (light orange where they overshoot) and the lower ones (light blue) while a
// stripe is at least two pixels wide, else the band between the two step curves
// (orange) above the area under the lower one (light blue).
class StripePanel : public MethodPanel {
    Q_OBJECT

  public:
    // Reads the stripe count from the estimator and the bounds from its state text.
    StripePanel(const Quadrix& stripe, QWidget* parent);

    void ShowState(const std::string& stateText) override;
    void ForgetRun() override { model_.ForgetRun(); }

    const StripePanelModel& Model() const { return model_; }

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
    void PaintRectangles(QPainter& painter, const QRectF& square) const;
    void PaintBand(QPainter& painter, const QRectF& square) const;

    const Quadrix& stripe_;
    StripePanelModel model_;
};

}  // namespace quadrix
