// The panels' canvas painted with a QPainter.
#include "main_window/qt_canvas.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QString>
#include <QTransform>

#include <array>
#include <cmath>
#include <vector>

namespace quadrix {
namespace {

QRectF ToQRect(const Rect& rect) {
    return {rect.left, rect.top, rect.width, rect.height};
}

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The enumerators' order: left (top), centre, right (bottom).
Qt::Alignment ToQtAlignment(const Alignment& alignment) {
    static constexpr std::array<Qt::AlignmentFlag, 3> kAcross{Qt::AlignLeft, Qt::AlignHCenter,
                                                              Qt::AlignRight};
    static constexpr std::array<Qt::AlignmentFlag, 3> kDown{Qt::AlignTop, Qt::AlignVCenter,
                                                            Qt::AlignBottom};
    return kAcross.at(static_cast<std::size_t>(alignment.across)) |
           kDown.at(static_cast<std::size_t>(alignment.down));
}

// The discs are sprites, each colour's disc drawn once, copied into a
// transparent layer in device pixels, which is then drawn in one go.
class SpriteLayer : public Canvas::DotLayer {
  public:
    SpriteLayer(QPainter& target, const QRectF& area, qreal ratio, double radius,
                std::span<const Colour> colours)
        : target_(target),
          area_(area),
          ratio_(ratio),
          radius_(radius),
          spriteSide_(static_cast<int>(std::ceil(2.0 * (radius + 1.0) * ratio_))),
          margin_(radius + 1.0) {
        for (const Colour& colour : colours) {
            sprites_.push_back(Sprite(QtCanvas::ToQColor(colour)));
        }
        const QRectF withMargin = area_.adjusted(-margin_, -margin_, margin_, margin_);
        layer_ = QImage(static_cast<int>(std::ceil(withMargin.width() * ratio_)) + spriteSide_,
                        static_cast<int>(std::ceil(withMargin.height() * ratio_)) + spriteSide_,
                        QImage::Format_ARGB32_Premultiplied);
        layer_.fill(Qt::transparent);
        layerPainter_.begin(&layer_);
    }

    void Put(const Point& centre, std::size_t colour) override {
        // In the layer's device pixels, where a sprite is copied without scaling.
        const double x = (centre.x - area_.left() + margin_) * ratio_ - spriteSide_ / 2.0;
        const double y = (centre.y - area_.top() + margin_) * ratio_ - spriteSide_ / 2.0;
        layerPainter_.drawImage(
            QPoint(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))),
            sprites_.at(colour));
    }

    void Draw() override {
        layerPainter_.end();
        layer_.setDevicePixelRatio(ratio_);
        target_.drawImage(area_.topLeft() - QPointF(margin_, margin_), layer_);
    }

  private:
    QImage Sprite(const QColor& colour) const {
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

    QPainter& target_;
    QRectF area_;
    qreal ratio_;
    double radius_;
    int spriteSide_;
    double margin_;
    std::vector<QImage> sprites_;
    QImage layer_;
    QPainter layerPainter_;
};

}  // namespace

QtCanvas::QtCanvas(QPainter& painter, const QFont& font) : painter_(painter), font_(font) {
    painter_.save();
}

QtCanvas::~QtCanvas() {
    painter_.restore();
}

QColor QtCanvas::ToQColor(const Colour& colour) {
    return {colour.red, colour.green, colour.blue};
}

// Also when painting into an image of another ratio than the screen's.
double QtCanvas::DevicePixelRatio() const {
    const QTransform toDevice = painter_.deviceTransform();
    const qreal scale = std::hypot(toDevice.m11(), toDevice.m12());
    return scale > 0.0 ? scale : 1.0;
}

void QtCanvas::SetAntialiasing(bool on) {
    painter_.setRenderHint(QPainter::Antialiasing, on);
}

void QtCanvas::ClipTo(const Rect& area) {
    painter_.setClipRect(ToQRect(area));
}

void QtCanvas::ClearClip() {
    painter_.setClipping(false);
}

void QtCanvas::FillRect(const Rect& area, const Colour& colour) {
    painter_.fillRect(ToQRect(area), ToQColor(colour));
}

void QtCanvas::DrawRect(const Rect& area, const Pen& pen) {
    Use(pen, Brush{});
    painter_.drawRect(ToQRect(area));
}

void QtCanvas::DrawLine(const Point& from, const Point& to, const Pen& pen) {
    Use(pen, Brush{});
    painter_.drawLine(QPointF(from.x, from.y), QPointF(to.x, to.y));
}

void QtCanvas::DrawPolygon(std::span<const Point> corners, const Pen& pen, const Brush& brush) {
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(corners.size()));
    for (const Point& corner : corners) {
        polygon << QPointF(corner.x, corner.y);
    }
    Use(pen, brush);
    painter_.drawPolygon(polygon);
}

void QtCanvas::DrawEllipse(const Point& centre, double radiusX, double radiusY, const Pen& pen,
                           const Brush& brush) {
    Use(pen, brush);
    painter_.drawEllipse(QPointF(centre.x, centre.y), radiusX, radiusY);
}

void QtCanvas::DrawArc(const Rect& bounds, double startDegrees, double spanDegrees,
                       const Pen& pen) {
    const QRectF ellipse = ToQRect(bounds);
    QPainterPath arc;
    arc.arcMoveTo(ellipse, startDegrees);
    arc.arcTo(ellipse, startDegrees, spanDegrees);
    Use(pen, Brush{});
    painter_.drawPath(arc);
}

double QtCanvas::TextWidth(const Font& font, std::string_view text) const {
    return QFontMetricsF(FontOf(font)).horizontalAdvance(ToQString(text));
}

double QtCanvas::LineHeight(const Font& font) const {
    return QFontMetricsF(FontOf(font)).height();
}

double QtCanvas::Ascent(const Font& font) const {
    return QFontMetricsF(FontOf(font)).ascent();
}

std::string QtCanvas::Elided(const Font& font, std::string_view text, double width) const {
    return QFontMetricsF(FontOf(font))
        .elidedText(ToQString(text), Qt::ElideRight, width)
        .toStdString();
}

void QtCanvas::DrawText(const Rect& box, const Alignment& alignment, const Font& font,
                        const Colour& colour, std::string_view text) {
    UseText(font, colour);
    painter_.drawText(ToQRect(box), static_cast<int>(ToQtAlignment(alignment)), ToQString(text));
}

void QtCanvas::DrawTextAt(const Point& baselineStart, const Font& font, const Colour& colour,
                          std::string_view text) {
    UseText(font, colour);
    painter_.drawText(QPointF(baselineStart.x, baselineStart.y), ToQString(text));
}

std::unique_ptr<Canvas::DotLayer> QtCanvas::NewDotLayer(const Rect& area, double radius,
                                                        std::span<const Colour> colours) {
    return std::make_unique<SpriteLayer>(painter_, ToQRect(area), DevicePixelRatio(), radius,
                                         colours);
}

QFont QtCanvas::FontOf(const Font& font) const {
    if (font.scale == 1.0) {
        return font_;
    }
    QFont scaled = font_;
    if (scaled.pointSizeF() > 0.0) {
        scaled.setPointSizeF(scaled.pointSizeF() * font.scale);
    } else {
        scaled.setPixelSize(static_cast<int>(scaled.pixelSize() * font.scale));
    }
    return scaled;
}

void QtCanvas::Use(const Pen& pen, const Brush& brush) {
    if (pen.colour.has_value()) {
        painter_.setPen(
            QPen(ToQColor(*pen.colour), pen.width, pen.dashed ? Qt::DashLine : Qt::SolidLine));
    } else {
        painter_.setPen(Qt::NoPen);
    }
    if (brush.colour.has_value()) {
        painter_.setBrush(ToQColor(*brush.colour));
    } else {
        painter_.setBrush(Qt::NoBrush);
    }
}

void QtCanvas::UseText(const Font& font, const Colour& colour) {
    painter_.setPen(ToQColor(colour));
    painter_.setFont(FontOf(font));
}

}  // namespace quadrix
