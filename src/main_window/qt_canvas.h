// The panels' canvas painted with a QPainter.
#pragma once

#include <QColor>
#include <QFont>

#include "panel_models/canvas.h"

class QPainter;

namespace quadrix {

// Draws on a painter, in fonts scaled from the widget's font. The painter's
// state is as before once the canvas is gone.
class QtCanvas : public Canvas {
  public:
    QtCanvas(QPainter& painter, const QFont& font);
    ~QtCanvas() override;
    QtCanvas(const QtCanvas&) = delete;
    QtCanvas& operator=(const QtCanvas&) = delete;

    static QColor ToQColor(const Colour& colour);

    double DevicePixelRatio() const override;
    void SetAntialiasing(bool on) override;
    void ClipTo(const Rect& area) override;
    void ClearClip() override;

    void FillRect(const Rect& area, const Colour& colour) override;
    void DrawRect(const Rect& area, const Pen& pen) override;
    void DrawLine(const Point& from, const Point& to, const Pen& pen) override;
    void DrawPolygon(std::span<const Point> corners, const Pen& pen, const Brush& brush) override;
    void DrawEllipse(const Point& centre, double radiusX, double radiusY, const Pen& pen,
                     const Brush& brush) override;
    void DrawArc(const Rect& bounds, double startDegrees, double spanDegrees,
                 const Pen& pen) override;

    double TextWidth(const Font& font, std::string_view text) const override;
    double LineHeight(const Font& font) const override;
    double Ascent(const Font& font) const override;
    std::string Elided(const Font& font, std::string_view text, double width) const override;
    void DrawText(const Rect& box, const Alignment& alignment, const Font& font,
                  const Colour& colour, std::string_view text) override;
    void DrawTextAt(const Point& baselineStart, const Font& font, const Colour& colour,
                    std::string_view text) override;

    std::unique_ptr<DotLayer> NewDotLayer(const Rect& area, double radius,
                                          std::span<const Colour> colours) override;

  private:
    QFont FontOf(const Font& font) const;
    void Use(const Pen& pen, const Brush& brush);
    void UseText(const Font& font, const Colour& colour);

    QPainter& painter_;
    QFont font_;
};

}  // namespace quadrix
