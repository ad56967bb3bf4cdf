#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>

#include <vector>

namespace quadrix {

// Thousands of small antialiased discs in a few colours, drawn fast at any
// device pixel ratio: each colour's disc is drawn once, as a sprite, and the
// sprites are copied into a transparent layer in device pixels, which is then
// drawn in one go. A disc lands on the device pixel nearest to its place.
class DotLayer {
  public:
    // A layer over the area, with room for discs of that radius on its edges, at
    // the resolution the painter paints in.
    DotLayer(const QRectF& area, const QPainter& painter, double radius,
             const std::vector<QColor>& colours);

    // A disc of colours[colour] centred at a point in the area's coordinates.
    void Put(const QPointF& centre, std::size_t colour);

    // Draws the layer over its area; the layer is spent afterwards.
    void DrawOn(QPainter& painter);

  private:
    // Device pixels per unit of the painter's coordinates: the device pixel ratio,
    // also when painting into an image of another ratio than the screen's.
    static qreal DevicePixelsPerUnit(const QPainter& painter);
    QImage Sprite(const QColor& colour) const;

    QRectF area_;
    qreal ratio_;
    double radius_;
    int spriteSide_;
    double margin_;
    std::vector<QImage> sprites_;
    QImage layer_;
    QPainter layerPainter_;
};

}  // namespace quadrix
