#pragma once

#include <QFrame>
#include <QRectF>
#include <QString>

#include <optional>

#include "controller/method.h"
#include "estimators/estimator_state.h"
#include "panel_models/convergence_plot.h"
#include "runtime/long_arithmetic.h"

class QPainter;
class QPaintEvent;

namespace quadrix {

// A method's white panel with a drawing of what the method does: a square view
// on the left, the run's error plot on the right and a caption line below. It
// draws its model only; the model changes when the window hands the panel the
// method's state after a tick, and only then is the panel repainted. Screen
// readers get the caption and a summary of the drawing as its description.
class MethodPanel : public QFrame {
    Q_OBJECT

  public:
    // The method's panel.
    static MethodPanel* ForMethod(Method method, QWidget* parent);

    // The method's output field has just been given the text of this state.
    void ShowState(const EstimatorState& state);
    // The method was reset: the drawing stays until its next state.
    virtual void ForgetRun() = 0;

    // Draws the whole drawing, its white ground included, within contentsRect().
    void PaintDrawing(QPainter& painter) const;

    QRectF SquareRect() const;
    QRectF PlotRect() const;
    QRectF CaptionRect() const;

  protected:
    explicit MethodPanel(QWidget* parent);

    void paintEvent(QPaintEvent* event) override;

    // Takes the state into the panel's model.
    virtual void TakeState(const EstimatorState& state) = 0;
    // One line on what the square shows, for screen readers.
    virtual QString SquareSummary() const = 0;

    // The method's view of the unit square, x to the right and y upwards.
    virtual void PaintSquare(QPainter& painter, const QRectF& square) const = 0;
    virtual const ConvergencePlot& Plot() const = 0;
    virtual std::optional<ConvergencePlot::Line> ReferenceLine() const = 0;
    virtual QString ReferenceLabel() const = 0;
    virtual QString CountName() const = 0;
    virtual QString Caption() const = 0;

    // The quarter circle of radius 1 about the square's lower left corner.
    static void PaintArc(QPainter& painter, const QRectF& square);
    static QPointF InSquare(const QRectF& square, double x, double y);

  private:
    // The smaller font of the plot's labels.
    QFont LabelFont() const;
    void PaintCaption(QPainter& painter) const;
    QString PlotSummary() const;
};

}  // namespace quadrix
