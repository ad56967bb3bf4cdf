#include "main_window/stripe_panel.h"

#include <QPainter>
#include <QPen>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

#include "main_window/panel_colours.h"

namespace quadrix {
namespace {

constexpr double kMinSeparatedStripePixels = 6.0;

// The outline of the step curve over the stripes, closed along the x axis.
QPolygonF StepArea(const std::vector<StripePanelModel::Stripe>& stripes, bool upper) {
    QPolygonF area;
    area << QPointF(0.0, 0.0);
    for (const StripePanelModel::Stripe& stripe : stripes) {
        const double height = upper ? stripe.upper : stripe.lower;
        area << QPointF(stripe.left, height) << QPointF(stripe.right, height);
    }
    area << QPointF(1.0, 0.0);
    return area;
}

QPolygonF InSquareUnits(const QPolygonF& unitArea, const QRectF& square) {
    QPolygonF area;
    for (const QPointF& point : unitArea) {
        area << QPointF(square.left() + point.x() * square.width(),
                        square.bottom() - point.y() * square.height());
    }
    return area;
}

}  // namespace

StripePanel::StripePanel(QWidget* parent) : ModelPanel(parent) {}

void StripePanel::TakeState(const EstimatorState& state) {
    model_.Update(std::get<StripeState>(state));
}

void StripePanel::PaintSquare(QPainter& painter, const QRectF& square) const {
    if (!model_.HasState()) {
        return;
    }
    if (model_.ShowsRectangles(square.width())) {
        PaintRectangles(painter, square);
    } else {
        PaintBand(painter, square);
    }
}

void StripePanel::PaintRectangles(QPainter& painter, const QRectF& square) const {
    const std::vector<StripePanelModel::Stripe> stripes = model_.Rectangles();
    painter.setBrush(PanelColours::Above());
    painter.setPen(QPen(PanelColours::AboveEdge(), 1.0));
    painter.drawPolygon(InSquareUnits(StepArea(stripes, true), square));
    painter.setBrush(PanelColours::Below());
    painter.setPen(QPen(PanelColours::BelowEdge(), 1.0));
    painter.drawPolygon(InSquareUnits(StepArea(stripes, false), square));

    const double stripeWidth = square.width() / static_cast<double>(stripes.size());
    if (stripeWidth < kMinSeparatedStripePixels) {
        return;
    }
    painter.setPen(QPen(PanelColours::Ground(), 1.0));
    for (const StripePanelModel::Stripe& stripe : stripes) {
        if (stripe.left == 0.0) {
            continue;
        }
        painter.drawLine(MethodPanel::InSquare(square, stripe.left, 0.0),
                         MethodPanel::InSquare(square, stripe.left, stripe.lower));
    }
}

// Below the band lies what the lower sum covers, as under the lower rectangles.
void StripePanel::PaintBand(QPainter& painter, const QRectF& square) const {
    const auto columns = static_cast<int>(std::ceil(square.width()));
    const std::vector<StripePanelModel::Column> band = model_.Band(columns);
    QPolygonF lowerCurve;
    for (const StripePanelModel::Column& column : band) {
        lowerCurve << QPointF(column.left, column.bottom) << QPointF(column.right, column.bottom);
    }
    QPolygonF inside;
    inside << QPointF(0.0, 0.0) << lowerCurve << QPointF(1.0, 0.0);
    QPolygonF between;
    for (const StripePanelModel::Column& column : band) {
        between << QPointF(column.left, column.top) << QPointF(column.right, column.top);
    }
    std::reverse_copy(lowerCurve.begin(), lowerCurve.end(), std::back_inserter(between));
    painter.setPen(Qt::NoPen);
    painter.setBrush(PanelColours::Below());
    painter.drawPolygon(InSquareUnits(inside, square));
    painter.setBrush(PanelColours::Band());
    painter.drawPolygon(InSquareUnits(between, square));
}

QString StripePanel::ReferenceLabel() const {
    const std::optional<ConvergencePlot::Line> line = model_.ReferenceLine();
    if (!line.has_value()) {
        return {};
    }
    return QStringLiteral("slope %1").arg(line->slope, 0, 'f', 2).replace('-', QChar(0x2212));
}

QString StripePanel::CountName() const {
    return QStringLiteral("stripes");
}

QString StripePanel::Caption() const {
    return QString::fromStdString(model_.Caption());
}

// The square shows rectangles in a panel of the window's size, else the band.
QString StripePanel::SquareSummary() const {
    const bool rectangles = model_.ShowsRectangles(SquareRect().width());
    return QStringLiteral("%1 stripes, drawn as %2.")
        .arg(model_.Count())
        .arg(rectangles ? QStringLiteral("upper rectangles over lower ones")
                        : QStringLiteral("the band between the upper and the lower step curve"));
}

}  // namespace quadrix
