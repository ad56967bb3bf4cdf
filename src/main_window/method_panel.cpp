#include "main_window/method_panel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPen>

#include "main_window/convergence_plot_painter.h"
#include "main_window/panel_colours.h"
#include "main_window/shoot_panel.h"
#include "main_window/stripe_panel.h"

namespace quadrix {
namespace {

constexpr double kMargin = 5.0;
constexpr double kCaptionGap = 2.0;

}  // namespace

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
    ground.setColor(QPalette::Window, PanelColours::Ground());
    setPalette(ground);
    setAutoFillBackground(true);
    setAccessibleDescription(QStringLiteral("Nothing drawn yet."));
}

void MethodPanel::ShowState(const EstimatorState& state) {
    TakeState(state);
    setAccessibleDescription(Caption() + QStringLiteral(". ") + SquareSummary() +
                             QStringLiteral(" ") + PlotSummary());
    update();
}

QString MethodPanel::PlotSummary() const {
    const std::vector<ConvergencePlot::Point> points = Plot().Points();
    if (points.empty()) {
        return {};
    }
    return QStringLiteral("Error plot of %1 ticks, latest error %2 at %3 %4.")
        .arg(points.size())
        .arg(points.back().error, 0, 'g', 3)
        .arg(points.back().count, 0, 'f', 0)
        .arg(CountName());
}

void MethodPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    PaintDrawing(painter);
}

void MethodPanel::PaintDrawing(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(contentsRect(), PanelColours::Ground());

    const QRectF square = SquareRect();
    painter.setPen(QPen(PanelColours::Outline(), 1.0));
    painter.setBrush(Qt::NoBrush);
    // A one pixel line on pixel centres stays sharp.
    painter.drawRect(square.adjusted(0.5, 0.5, -0.5, -0.5));
    PaintSquare(painter, square);
    PaintArc(painter, square);

    ConvergencePlotPainter(Plot(), PlotRect(), LabelFont())
        .Paint(painter, ReferenceLine(), ReferenceLabel(), CountName());
    PaintCaption(painter);
    painter.restore();
}

QRectF MethodPanel::SquareRect() const {
    const QRectF area = QRectF(contentsRect());
    const double side = area.height() - 2.0 * kMargin - CaptionRect().height() - kCaptionGap;
    return {area.left() + kMargin, area.top() + kMargin, side, side};
}

QRectF MethodPanel::PlotRect() const {
    const QRectF area = QRectF(contentsRect());
    const QRectF square = SquareRect();
    const double left = square.right() + 2.0 * kMargin;
    return {left, square.top(), area.right() - kMargin - left, square.height()};
}

QRectF MethodPanel::CaptionRect() const {
    const QRectF area = QRectF(contentsRect());
    const double height = QFontMetricsF(font()).height();
    return {area.left() + kMargin, area.bottom() - kMargin - height, area.width() - 2.0 * kMargin,
            height};
}

void MethodPanel::PaintArc(QPainter& painter, const QRectF& square) {
    const QRectF circle(square.left() - square.width(), square.top(), 2.0 * square.width(),
                        2.0 * square.height());
    QPainterPath arc;
    arc.arcMoveTo(circle, 0.0);
    arc.arcTo(circle, 0.0, 90.0);
    painter.setPen(QPen(PanelColours::Curve(), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(arc);
}

QPointF MethodPanel::InSquare(const QRectF& square, double x, double y) {
    return {square.left() + x * square.width(), square.bottom() - y * square.height()};
}

QFont MethodPanel::LabelFont() const {
    constexpr double kLabelScale = 0.8;
    QFont labels = font();
    if (labels.pointSizeF() > 0.0) {
        labels.setPointSizeF(labels.pointSizeF() * kLabelScale);
    } else {
        labels.setPixelSize(static_cast<int>(labels.pixelSize() * kLabelScale));
    }
    return labels;
}

void MethodPanel::PaintCaption(QPainter& painter) const {
    const QString caption = Caption();
    if (caption.isEmpty()) {
        return;
    }
    const QRectF area = CaptionRect();
    const QString shown = QFontMetricsF(font()).elidedText(caption, Qt::ElideRight, area.width());
    painter.setPen(PanelColours::Text());
    painter.setFont(font());
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, shown);
}

}  // namespace quadrix
