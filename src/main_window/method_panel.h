// A method's white panel: paints the method's Qt-free drawing and tells screen readers about it.
#pragma once

#include <QFrame>

#include <string>

#include "controller/method.h"
#include "estimators/estimator_state.h"
#include "panel_models/canvas.h"
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
    // The method's panel.
    static MethodPanel* ForMethod(Method method, QWidget* parent);

    // The method's output field has just been given the text of this state.
    void ShowState(const EstimatorState& state);
    // The method was reset: the drawing stays until its next state.
    virtual void ForgetRun() = 0;

    // Draws the whole drawing, its white ground included, within contentsRect().
    void PaintDrawing(QPainter& painter) const;
    // Where the drawing's parts lie in the panel.
    PanelGeometry Geometry() const;

  protected:
    explicit MethodPanel(QWidget* parent);

    void paintEvent(QPaintEvent* event) override;

    // Takes the state into the panel's model.
    virtual void TakeState(const EstimatorState& state) = 0;
    virtual void Draw(Canvas& canvas, const Rect& contents) const = 0;
    virtual std::string Description(const PanelGeometry& geometry) const = 0;

  private:
    Rect Contents() const;
};

}  // namespace quadrix
