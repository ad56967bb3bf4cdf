#include "main_window/dot_layer.h"

#include <QTransform>

#include <cmath>

namespace quadrix {

DotLayer::DotLayer(const QRectF& area, const QPainter& painter, double radius,
                   const std::vector<QColor>& colours)
    : area_(area),
      ratio_(DevicePixelsPerUnit(painter)),
      radius_(radius),
      spriteSide_(static_cast<int>(std::ceil(2.0 * (radius + 1.0) * ratio_))),
      margin_(radius + 1.0) {
    for (const QColor& colour : colours) {
        sprites_.push_back(Sprite(colour));
    }
    const QRectF withMargin = area_.adjusted(-margin_, -margin_, margin_, margin_);
    layer_ = QImage(static_cast<int>(std::ceil(withMargin.width() * ratio_)) + spriteSide_,
                    static_cast<int>(std::ceil(withMargin.height() * ratio_)) + spriteSide_,
                    QImage::Format_ARGB32_Premultiplied);
    layer_.fill(Qt::transparent);
    layerPainter_.begin(&layer_);
}

void DotLayer::Put(const QPointF& centre, std::size_t colour) {
    // In the layer's device pixels, where a sprite is copied without scaling.
    const double x = (centre.x() - area_.left() + margin_) * ratio_ - spriteSide_ / 2.0;
    const double y = (centre.y() - area_.top() + margin_) * ratio_ - spriteSide_ / 2.0;
    layerPainter_.drawImage(
        QPoint(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))),
        sprites_.at(colour));
}

void DotLayer::DrawOn(QPainter& painter) {
    layerPainter_.end();
    layer_.setDevicePixelRatio(ratio_);
    painter.drawImage(area_.topLeft() - QPointF(margin_, margin_), layer_);
}

qreal DotLayer::DevicePixelsPerUnit(const QPainter& painter) {
    const QTransform toDevice = painter.deviceTransform();
    const qreal scale = std::hypot(toDevice.m11(), toDevice.m12());
    return scale > 0.0 ? scale : 1.0;
}

QImage DotLayer::Sprite(const QColor& colour) const {
    QImage sprite(spriteSide_, spriteSide_, QImage::Format_ARGB32_Premultiplied);
    sprite.fill(Qt::transparent);
    QPainter painter(&sprite);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const double half = spriteSide_ / 2.0;
    painter.drawEllipse(QPointF(half, half), radius_ * ratio_, radius_ * ratio_);
    return sprite;
}

}  // namespace quadrix
