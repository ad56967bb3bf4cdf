// A method's white panel: paints the method's Qt-free drawing and tells screen readers about it.
#include "main_window/method_panel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>

#include "main_window/qt_canvas.h"
#include "panel_models/panel_colours.h"
#include "panel_models/panel_drawing.h"

namespace quadrix {

// A white ground in a sunken frame, as the panel of a picture box looks.
MethodPanel::MethodPanel(Method method, QWidget* parent) : QFrame(parent), drawing_(method) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    QPalette ground = palette();
    ground.setColor(QPalette::Window, QtCanvas::ToQColor(panel_colours::kGround));
    setPalette(ground);
    setAutoFillBackground(true);
    setAccessibleDescription(QString::fromUtf8(
        kEmptyPanelDescription.data(), static_cast<qsizetype>(kEmptyPanelDescription.size())));
}

void MethodPanel::ShowState(const EstimatorState& state) {
    drawing_.TakeState(state);
    setAccessibleDescription(QString::fromStdString(drawing_.Description(Geometry())));
    update();
}

void MethodPanel::PaintDrawing(QPainter& painter) const {
    QtCanvas canvas(painter, font());
    drawing_.Draw(canvas, Contents());
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
