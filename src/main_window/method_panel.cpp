// A method's white panel: paints the method's Qt-free drawing and tells screen readers about it.
#include "main_window/method_panel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>

#include "main_window/qt_canvas.h"
#include "main_window/shoot_panel.h"
#include "main_window/stripe_panel.h"
#include "panel_models/panel_colours.h"
#include "panel_models/panel_drawing.h"

namespace quadrix {

MethodPanel* MethodPanel::ForMethod(Method method, QWidget* parent) {
    if (method == Method::kShooting) {
        return new ShootPanel(parent);
    }
    return new StripePanel(parent);
}

// A white ground in a sunken frame, as the panel of a picture box looks.
MethodPanel::MethodPanel(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    QPalette ground = palette();
    ground.setColor(QPalette::Window, QtCanvas::ToQColor(panel_colours::kGround));
    setPalette(ground);
    setAutoFillBackground(true);
    setAccessibleDescription(QString::fromUtf8(
        kEmptyPanelDescription.data(), static_cast<qsizetype>(kEmptyPanelDescription.size())));
}

void MethodPanel::ShowState(const EstimatorState& state) {
    TakeState(state);
    setAccessibleDescription(QString::fromStdString(Description(Geometry())));
    update();
}

void MethodPanel::PaintDrawing(QPainter& painter) const {
    QtCanvas canvas(painter, font());
    Draw(canvas, Contents());
}

PanelGeometry MethodPanel::Geometry() const {
    return PanelGeometryIn(Contents(), QFontMetricsF(font()).height());
}

void MethodPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    PaintDrawing(painter);
}

Rect MethodPanel::Contents() const {
    const QRect area = contentsRect();
    return {static_cast<double>(area.left()), static_cast<double>(area.top()),
            static_cast<double>(area.width()), static_cast<double>(area.height())};
}

}  // namespace quadrix
