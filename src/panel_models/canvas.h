// The surface the panels' drawings are drawn on, whatever toolkit paints it.
#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "panel_models/canvas_types.h"

namespace quadrix {

// Draws shapes and texts in logical pixels. Each call says its pen, brush, font
// and colour; the clip and antialiasing hold until changed. Texts are UTF-8.
class Canvas {
  public:
    // Thousands of small antialiased discs of one radius in a few colours, put on
    // a layer over an area and drawn in one go: each colour's disc is drawn once
    // and copied, in device pixels, to the device pixel nearest its place.
    class DotLayer {
      public:
        virtual ~DotLayer() = default;
        // A disc of colours[colour] centred at a point.
        virtual void Put(const Point& centre, std::size_t colour) = 0;
        // Draws the layer over its area on its canvas; the layer is spent afterwards.
        virtual void Draw() = 0;
    };

    virtual ~Canvas() = default;

    // Device pixels per logical pixel.
    virtual double DevicePixelRatio() const = 0;
    virtual void SetAntialiasing(bool on) = 0;
    // Drawing outside the area is dropped until ClearClip.
    virtual void ClipTo(const Rect& area) = 0;
    virtual void ClearClip() = 0;

    virtual void FillRect(const Rect& area, const Colour& colour) = 0;
    // The outline along the rectangle's edges.
    virtual void DrawRect(const Rect& area, const Pen& pen) = 0;
    virtual void DrawLine(const Point& from, const Point& to, const Pen& pen) = 0;
    // Closed from the last corner back to the first.
    virtual void DrawPolygon(std::span<const Point> corners, const Pen& pen,
                             const Brush& brush) = 0;
    virtual void DrawEllipse(const Point& centre, double radiusX, double radiusY, const Pen& pen,
                             const Brush& brush) = 0;
    // Part of the ellipse that fills `bounds`, from startDegrees (0 at three
    // o'clock) counterclockwise over spanDegrees.
    virtual void DrawArc(const Rect& bounds, double startDegrees, double spanDegrees,
                         const Pen& pen) = 0;

    virtual double TextWidth(const Font& font, std::string_view text) const = 0;
    // The height of a line of text and, within it, of the part above the baseline.
    virtual double LineHeight(const Font& font) const = 0;
    virtual double Ascent(const Font& font) const = 0;
    // The text cut at its end, an ellipsis put in its place, to fit the width.
    virtual std::string Elided(const Font& font, std::string_view text, double width) const = 0;
    virtual void DrawText(const Rect& box, const Alignment& alignment, const Font& font,
                          const Colour& colour, std::string_view text) = 0;
    // A line of text whose baseline starts at the point.
    virtual void DrawTextAt(const Point& baselineStart, const Font& font, const Colour& colour,
                            std::string_view text) = 0;

    // An empty layer over the area, with room for whole discs on its edges.
    virtual std::unique_ptr<DotLayer> NewDotLayer(const Rect& area, double radius,
                                                  std::span<const Colour> colours) = 0;
};

}  // namespace quadrix
