// A method's white panel: paints the method's Qt-free drawing and tells screen readers about it.
#pragma once

#include <QFrame>

#include <string>

#include "controller/method.h"
#include "estimators/estimator_state.h"
#include "panel_models/method_drawing.h"
#include "panel_models/panel_geometry.h"

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
    MethodPanel(Method method, QWidget* parent);

    // The method's output field has just been given the text of this state.
    void ShowState(const EstimatorState& state);
    // The method was reset: the drawing stays until its next state.
    void ForgetRun() { drawing_.ForgetRun(); }

    // Draws the whole drawing, its white ground included, within contentsRect().
    void PaintDrawing(QPainter& painter) const;
    // Where the drawing's parts lie in the panel.
    PanelGeometry Geometry() const;
    const MethodDrawing& Drawing() const { return drawing_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Rect Contents() const;

    MethodDrawing drawing_;
};

}  // namespace quadrix
