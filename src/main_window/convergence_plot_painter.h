#pragma once

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <optional>

#include "panel_models/convergence_plot.h"

class QPainter;

namespace quadrix {

// Draws a ConvergencePlot in an area: both axes logarithmic over whole decades,
// labelled at their ends, the points with the latest one marked, and a faint
// reference line with its label. Draws nothing for an empty plot.
class ConvergencePlotPainter {
  public:
    ConvergencePlotPainter(const ConvergencePlot& plot, const QRectF& area, const QFont& font);

    void Paint(QPainter& painter, const std::optional<ConvergencePlot::Line>& reference,
               const QString& referenceLabel, const QString& countName) const;

    // The rectangle the axes enclose.
    QRectF Frame() const { return frame_; }
    // Where a point lies in the frame.
    QPointF At(double count, double error) const;

    // "10⁻³" for -3.
    static QString PowerOfTen(int exponent);

  private:
    void PaintAxes(QPainter& painter, const QString& countName) const;
    void PaintReference(QPainter& painter, const ConvergencePlot::Line& reference,
                        const QString& label) const;
    void PaintPoints(QPainter& painter) const;

    const ConvergencePlot& plot_;
    QRectF area_;
    QFont font_;
    ConvergencePlot::Decades counts_;
    ConvergencePlot::Decades errors_;
    QRectF frame_;
};

}  // namespace quadrix
