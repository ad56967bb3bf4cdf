#include "main_window/convergence_plot_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <vector>

#include "main_window/dot_layer.h"
#include "main_window/panel_colours.h"

namespace quadrix {
namespace {

constexpr double kPointRadius = 1.6;
constexpr double kLatestPointRadius = 2.6;
constexpr double kMinGridSpacing = 4.0;  // pixels between decade lines

}  // namespace

ConvergencePlotPainter::ConvergencePlotPainter(const ConvergencePlot& plot, const QRectF& area,
                                               const QFont& font)
    : plot_(plot),
      area_(area),
      font_(font),
      counts_(plot.CountDecades()),
      errors_(plot.ErrorDecades()) {
    const QFontMetricsF metrics(font_);
    const double labelWidth = std::max(metrics.horizontalAdvance(PowerOfTen(errors_.low)),
                                       metrics.horizontalAdvance(PowerOfTen(errors_.high)));
    const double labelHeight = metrics.height();
    // Room for the error labels on the left and the count labels below, and for
    // half a count label beyond the frame's right end.
    const double rightRoom = metrics.horizontalAdvance(PowerOfTen(counts_.high)) / 2.0;
    frame_ = QRectF(area.left() + labelWidth + 3.0, area.top() + labelHeight / 2.0,
                    area.width() - labelWidth - 3.0 - rightRoom,
                    area.height() - labelHeight * 1.5 - 2.0);
}

QPointF ConvergencePlotPainter::At(double count, double error) const {
    const double across = (std::log10(count) - counts_.low) / (counts_.high - counts_.low);
    const double up = (std::log10(error) - errors_.low) / (errors_.high - errors_.low);
    return {frame_.left() + across * frame_.width(), frame_.bottom() - up * frame_.height()};
}

QString ConvergencePlotPainter::PowerOfTen(int exponent) {
    static const QString kSuperscripts = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString text = QStringLiteral("10");
    if (exponent < 0) {
        text += QChar(0x207B);  // superscript minus
    }
    for (const QChar digit : QString::number(std::abs(exponent))) {
        text += kSuperscripts[digit.digitValue()];
    }
    return text;
}

void ConvergencePlotPainter::Paint(QPainter& painter,
                                   const std::optional<ConvergencePlot::Line>& reference,
                                   const QString& referenceLabel, const QString& countName) const {
    if (plot_.Empty()) {
        return;
    }
    painter.save();
    painter.setFont(font_);
    PaintAxes(painter, countName);
    painter.setClipRect(frame_);
    if (reference.has_value()) {
        PaintReference(painter, *reference, referenceLabel);
    }
    PaintPoints(painter);
    painter.restore();
}

void ConvergencePlotPainter::PaintAxes(QPainter& painter, const QString& countName) const {
    painter.setPen(QPen(PanelColours::Grid(), 1.0));
    const int countSpan = counts_.high - counts_.low;
    const int countStep =
        std::max(1, static_cast<int>(std::ceil(kMinGridSpacing * countSpan / frame_.width())));
    for (int decade = counts_.low + countStep; decade < counts_.high; decade += countStep) {
        const double x = At(std::pow(10.0, decade), 1.0).x();
        painter.drawLine(QPointF(x, frame_.top()), QPointF(x, frame_.bottom()));
    }
    const int errorSpan = errors_.high - errors_.low;
    const int errorStep =
        std::max(1, static_cast<int>(std::ceil(kMinGridSpacing * errorSpan / frame_.height())));
    for (int decade = errors_.low + errorStep; decade < errors_.high; decade += errorStep) {
        const double y = At(1.0, std::pow(10.0, decade)).y();
        painter.drawLine(QPointF(frame_.left(), y), QPointF(frame_.right(), y));
    }
    painter.setPen(QPen(PanelColours::Outline(), 1.0));
    painter.drawRect(frame_);

    painter.setPen(PanelColours::Text());
    const QFontMetricsF metrics(font_);
    const double labelHeight = metrics.height();
    const QRectF errorLabels(area_.left(), frame_.top() - labelHeight / 2.0,
                             frame_.left() - 3.0 - area_.left(), frame_.height() + labelHeight);
    painter.drawText(errorLabels, Qt::AlignRight | Qt::AlignTop, PowerOfTen(errors_.high));
    painter.drawText(errorLabels, Qt::AlignRight | Qt::AlignBottom, PowerOfTen(errors_.low));

    const QRectF countLabels(area_.left(), frame_.bottom() + 2.0, area_.width(), labelHeight);
    const QString low = PowerOfTen(counts_.low);
    const QString high = PowerOfTen(counts_.high);
    const double lowWidth = metrics.horizontalAdvance(low);
    const double highWidth = metrics.horizontalAdvance(high);
    painter.drawText(QPointF(frame_.left() - lowWidth / 2.0, countLabels.top() + metrics.ascent()),
                     low);
    painter.drawText(
        QPointF(frame_.right() - highWidth / 2.0, countLabels.top() + metrics.ascent()), high);
    painter.drawText(QRectF(frame_.left(), countLabels.top(), frame_.width(), labelHeight),
                     Qt::AlignHCenter | Qt::AlignTop, countName);
    painter.drawText(frame_.adjusted(3.0, 1.0, -3.0, 0.0), Qt::AlignRight | Qt::AlignTop,
                     QStringLiteral("error"));
}

void ConvergencePlotPainter::PaintReference(QPainter& painter,
                                            const ConvergencePlot::Line& reference,
                                            const QString& label) const {
    const double firstCount = std::pow(10.0, counts_.low);
    const double lastCount = std::pow(10.0, counts_.high);
    QPen pen(PanelColours::Reference(), 1.0, Qt::DashLine);
    painter.setPen(pen);
    painter.drawLine(At(firstCount, reference.ErrorAt(firstCount)),
                     At(lastCount, reference.ErrorAt(lastCount)));
    painter.setPen(PanelColours::Reference());
    painter.drawText(frame_.adjusted(3.0, 0.0, -3.0, -1.0), Qt::AlignLeft | Qt::AlignBottom, label);
}

void ConvergencePlotPainter::PaintPoints(QPainter& painter) const {
    const std::vector<ConvergencePlot::Point> points = plot_.Points();
    DotLayer layer(frame_, painter, kPointRadius, {PanelColours::PlotPoint()});
    for (const ConvergencePlot::Point& point : points) {
        layer.Put(At(point.count, point.error), 0);
    }
    layer.DrawOn(painter);
    const ConvergencePlot::Point& latest = points.back();
    painter.setPen(QPen(PanelColours::Curve(), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(At(latest.count, latest.error), kLatestPointRadius, kLatestPointRadius);
}

}  // namespace quadrix
