// The panels' canvas painted with GDI+, in logical pixels scaled to the window's DPI.
#include "win32_window/gdiplus_canvas.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "win32_window/wide_text.h"

namespace quadrix {
namespace {

Gdiplus::RectF ToRectF(const Rect& rect) {
    return {static_cast<Gdiplus::REAL>(rect.left), static_cast<Gdiplus::REAL>(rect.top),
            static_cast<Gdiplus::REAL>(rect.width), static_cast<Gdiplus::REAL>(rect.height)};
}

Gdiplus::PointF ToPointF(const Point& point) {
    return {static_cast<Gdiplus::REAL>(point.x), static_cast<Gdiplus::REAL>(point.y)};
}

Gdiplus::REAL Real(double value) {
    return static_cast<Gdiplus::REAL>(value);
}

// A pen that draws nothing when it has no colour.
std::unique_ptr<Gdiplus::Pen> PenOf(const Pen& pen) {
    if (!pen.colour.has_value()) {
        return nullptr;
    }
    auto gdiPen =
        std::make_unique<Gdiplus::Pen>(GdiplusCanvas::ToColor(*pen.colour), Real(pen.width));
    if (pen.dashed) {
        gdiPen->SetDashStyle(Gdiplus::DashStyleDash);
    }
    return gdiPen;
}

// Text laid out by its glyphs' own widths, on one line and unclipped.
class TextFormat : public Gdiplus::StringFormat {
  public:
    TextFormat() : Gdiplus::StringFormat(Gdiplus::StringFormat::GenericTypographic()) {
        SetFormatFlags(GetFormatFlags() | Gdiplus::StringFormatFlagsNoWrap |
                       Gdiplus::StringFormatFlagsNoClip |
                       Gdiplus::StringFormatFlagsMeasureTrailingSpaces);
    }
};

// Premultiplied blue, green, red, alpha, as GDI+ keeps PARGB pixels in memory.
using Pixel = std::array<std::uint8_t, 4>;

// Each colour's disc is drawn once, antialiased, and its pixels composed over
// a transparent layer at the device pixel nearest each place; the layer is
// then drawn in one go.
class SpriteLayer : public Canvas::DotLayer {
  public:
    SpriteLayer(Gdiplus::Graphics& target, const Rect& area, double ratio, double radius,
                std::span<const Colour> colours)
        : target_(target),
          area_(area),
          ratio_(ratio),
          side_(static_cast<int>(std::ceil(2.0 * (radius + 1.0) * ratio))),
          margin_(radius + 1.0) {
        for (const Colour& colour : colours) {
            sprites_.push_back(Sprite(colour, radius));
        }
        width_ = static_cast<int>(std::ceil((area.width + 2.0 * margin_) * ratio_)) + side_;
        height_ = static_cast<int>(std::ceil((area.height + 2.0 * margin_) * ratio_)) + side_;
        layer_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_),
                      Pixel{});
    }

    void Put(const Point& centre, std::size_t colour) override {
        const std::vector<Pixel>& sprite = sprites_.at(colour);
        const double x = (centre.x - area_.left + margin_) * ratio_ - side_ / 2.0;
        const double y = (centre.y - area_.top + margin_) * ratio_ - side_ / 2.0;
        const long left = std::lround(x);
        const long top = std::lround(y);
        for (int row = 0; row < side_; ++row) {
            const long layerRow = top + row;
            if (layerRow < 0 || layerRow >= height_) {
                continue;
            }
            for (int column = 0; column < side_; ++column) {
                const long layerColumn = left + column;
                if (layerColumn < 0 || layerColumn >= width_) {
                    continue;
                }
                const Pixel& over = sprite[static_cast<std::size_t>(row * side_ + column)];
                Pixel& under = layer_[static_cast<std::size_t>(layerRow * width_ + layerColumn)];
                const unsigned keep = 255U - over[3];
                for (std::size_t channel = 0; channel < 4; ++channel) {
                    under[channel] = static_cast<std::uint8_t>(
                        over[channel] + (under[channel] * keep + 127U) / 255U);
                }
            }
        }
    }

    void Draw() override {
        Gdiplus::Bitmap layer(width_, height_, width_ * 4, PixelFormat32bppPARGB,
                              reinterpret_cast<BYTE*>(layer_.data()));
        // Pixel for pixel: the layer is drawn in device pixels, not scaled.
        const Gdiplus::GraphicsState state = target_.Save();
        Gdiplus::Matrix toDevice;
        target_.GetTransform(&toDevice);
        Gdiplus::PointF origin(Real(area_.left - margin_), Real(area_.top - margin_));
        toDevice.TransformPoints(&origin, 1);
        target_.ResetTransform();
        target_.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
        target_.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
        target_.DrawImage(
            &layer,
            Gdiplus::RectF(std::round(origin.X), std::round(origin.Y), Real(width_), Real(height_)),
            0.0F, 0.0F, Real(width_), Real(height_), Gdiplus::UnitPixel);
        target_.Restore(state);
    }

  private:
    std::vector<Pixel> Sprite(const Colour& colour, double radius) const {
        Gdiplus::Bitmap sprite(side_, side_, PixelFormat32bppPARGB);
        {
            Gdiplus::Graphics painter(&sprite);
            painter.Clear(Gdiplus::Color(0, 0, 0, 0));
            painter.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias8x8);
            painter.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
            Gdiplus::SolidBrush brush(GdiplusCanvas::ToColor(colour));
            const double half = side_ / 2.0;
            const double deviceRadius = radius * ratio_;
            painter.FillEllipse(&brush, Real(half - deviceRadius), Real(half - deviceRadius),
                                Real(2.0 * deviceRadius), Real(2.0 * deviceRadius));
        }
        std::vector<Pixel> pixels(static_cast<std::size_t>(side_) *
                                  static_cast<std::size_t>(side_));
        Gdiplus::BitmapData data{};
        data.Width = static_cast<UINT>(side_);
        data.Height = static_cast<UINT>(side_);
        data.Stride = side_ * 4;
        data.PixelFormat = PixelFormat32bppPARGB;
        data.Scan0 = pixels.data();
        Gdiplus::Rect whole(0, 0, side_, side_);
        sprite.LockBits(&whole, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                        PixelFormat32bppPARGB, &data);
        sprite.UnlockBits(&data);
        return pixels;
    }

    Gdiplus::Graphics& target_;
    Rect area_;
    double ratio_;
    int side_;
    double margin_;
    int width_ = 0;
    int height_ = 0;
    std::vector<std::vector<Pixel>> sprites_;
    std::vector<Pixel> layer_;
};

}  // namespace

GdiplusCanvas::GdiplusCanvas(Gdiplus::Graphics& graphics, HDC fontDc, HFONT font,
                             double devicePixelRatio)
    : graphics_(graphics), saved_(graphics.Save()), ratio_(devicePixelRatio) {
    graphics_.ScaleTransform(Real(ratio_), Real(ratio_));
    // Pixel edges at whole logical coordinates, as the drawings are made.
    graphics_.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    graphics_.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);

    LOGFONTW logFont{};
    GetObjectW(font, sizeof(logFont), &logFont);
    const Gdiplus::Font deviceFont(fontDc, &logFont);
    Gdiplus::FontFamily family;
    if (deviceFont.GetFamily(&family) == Gdiplus::Ok) {
        std::array<WCHAR, LF_FACESIZE> name{};
        family.GetFamilyName(name.data());
        family_ = name.data();
    }
    style_ = deviceFont.GetStyle();
    const Gdiplus::FontFamily* known =
        family_.empty() ? Gdiplus::FontFamily::GenericSansSerif() : &family;
    // lfHeight < 0 is the em height, > 0 the cell height, both in device pixels.
    double emHeight = std::abs(static_cast<double>(logFont.lfHeight));
    if (logFont.lfHeight > 0) {
        emHeight *= static_cast<double>(known->GetEmHeight(style_)) /
                    (known->GetCellAscent(style_) + known->GetCellDescent(style_));
    }
    if (emHeight > 0.0) {
        pixelSize_ = emHeight / ratio_;
    }
}

GdiplusCanvas::~GdiplusCanvas() {
    graphics_.Restore(saved_);
}

Gdiplus::Color GdiplusCanvas::ToColor(const Colour& colour) {
    return {colour.red, colour.green, colour.blue};
}

void GdiplusCanvas::SetAntialiasing(bool on) {
    graphics_.SetSmoothingMode(on ? Gdiplus::SmoothingModeAntiAlias8x8
                                  : Gdiplus::SmoothingModeNone);
}

void GdiplusCanvas::ClipTo(const Rect& area) {
    graphics_.SetClip(ToRectF(area));
}

void GdiplusCanvas::ClearClip() {
    graphics_.ResetClip();
}

void GdiplusCanvas::FillRect(const Rect& area, const Colour& colour) {
    Gdiplus::SolidBrush brush(ToColor(colour));
    graphics_.FillRectangle(&brush, ToRectF(area));
}

void GdiplusCanvas::DrawRect(const Rect& area, const Pen& pen) {
    if (const auto gdiPen = PenOf(pen)) {
        graphics_.DrawRectangle(gdiPen.get(), ToRectF(area));
    }
}

void GdiplusCanvas::DrawLine(const Point& from, const Point& to, const Pen& pen) {
    if (const auto gdiPen = PenOf(pen)) {
        graphics_.DrawLine(gdiPen.get(), ToPointF(from), ToPointF(to));
    }
}

void GdiplusCanvas::DrawPolygon(std::span<const Point> corners, const Pen& pen,
                                const Brush& brush) {
    std::vector<Gdiplus::PointF> points;
    points.reserve(corners.size());
    for (const Point& corner : corners) {
        points.push_back(ToPointF(corner));
    }
    const auto count = static_cast<INT>(points.size());
    if (brush.colour.has_value()) {
        Gdiplus::SolidBrush fill(ToColor(*brush.colour));
        graphics_.FillPolygon(&fill, points.data(), count);
    }
    if (const auto gdiPen = PenOf(pen)) {
        graphics_.DrawPolygon(gdiPen.get(), points.data(), count);
    }
}

void GdiplusCanvas::DrawEllipse(const Point& centre, double radiusX, double radiusY, const Pen& pen,
                                const Brush& brush) {
    const Gdiplus::RectF bounds(Real(centre.x - radiusX), Real(centre.y - radiusY),
                                Real(2.0 * radiusX), Real(2.0 * radiusY));
    if (brush.colour.has_value()) {
        Gdiplus::SolidBrush fill(ToColor(*brush.colour));
        graphics_.FillEllipse(&fill, bounds);
    }
    if (const auto gdiPen = PenOf(pen)) {
        graphics_.DrawEllipse(gdiPen.get(), bounds);
    }
}

// GDI+ counts degrees clockwise, the canvas counterclockwise.
void GdiplusCanvas::DrawArc(const Rect& bounds, double startDegrees, double spanDegrees,
                            const Pen& pen) {
    if (const auto gdiPen = PenOf(pen)) {
        graphics_.DrawArc(gdiPen.get(), ToRectF(bounds), Real(-startDegrees), Real(-spanDegrees));
    }
}

double GdiplusCanvas::TextWidth(const Font& font, std::string_view text) const {
    return WidthOf(*FontOf(font), ToWide(text));
}

double GdiplusCanvas::LineHeight(const Font& font) const {
    const auto gdiFont = FontOf(font);
    Gdiplus::FontFamily family;
    gdiFont->GetFamily(&family);
    return gdiFont->GetSize() * family.GetLineSpacing(style_) / family.GetEmHeight(style_);
}

double GdiplusCanvas::Ascent(const Font& font) const {
    const auto gdiFont = FontOf(font);
    Gdiplus::FontFamily family;
    gdiFont->GetFamily(&family);
    return gdiFont->GetSize() * family.GetCellAscent(style_) / family.GetEmHeight(style_);
}

std::string GdiplusCanvas::Elided(const Font& font, std::string_view text, double width) const {
    const auto gdiFont = FontOf(font);
    std::wstring wide = ToWide(text);
    if (WidthOf(*gdiFont, wide) <= width) {
        return std::string(text);
    }
    static constexpr wchar_t kEllipsis = L'\u2026';
    while (!wide.empty()) {
        wide.pop_back();
        // Never a lone half of a surrogate pair.
        if (!wide.empty() && IS_HIGH_SURROGATE(wide.back())) {
            wide.pop_back();
        }
        if (WidthOf(*gdiFont, wide + kEllipsis) <= width) {
            break;
        }
    }
    return ToUtf8(wide + kEllipsis);
}

// Placed by its own measures rather than laid out in the box: GDI+ may drop a
// line that the box is not quite tall enough for.
void GdiplusCanvas::DrawText(const Rect& box, const Alignment& alignment, const Font& font,
                             const Colour& colour, std::string_view text) {
    const std::wstring wide = ToWide(text);
    const auto gdiFont = FontOf(font);
    static constexpr std::array<double, 3> kShares{0.0, 0.5, 1.0};  // left, centre, right
    const double x = box.left + kShares.at(static_cast<std::size_t>(alignment.across)) *
                                    (box.width - WidthOf(*gdiFont, wide));
    const double y = box.top + kShares.at(static_cast<std::size_t>(alignment.down)) *
                                   (box.height - LineHeight(font));
    const TextFormat format;
    Gdiplus::SolidBrush brush(ToColor(colour));
    graphics_.DrawString(wide.c_str(), static_cast<INT>(wide.size()), gdiFont.get(),
                         Gdiplus::PointF(Real(x), Real(y)), &format, &brush);
}

void GdiplusCanvas::DrawTextAt(const Point& baselineStart, const Font& font, const Colour& colour,
                               std::string_view text) {
    const TextFormat format;
    const std::wstring wide = ToWide(text);
    Gdiplus::SolidBrush brush(ToColor(colour));
    const Gdiplus::PointF topLeft(Real(baselineStart.x), Real(baselineStart.y - Ascent(font)));
    graphics_.DrawString(wide.c_str(), static_cast<INT>(wide.size()), FontOf(font).get(), topLeft,
                         &format, &brush);
}

std::unique_ptr<Canvas::DotLayer> GdiplusCanvas::NewDotLayer(const Rect& area, double radius,
                                                             std::span<const Colour> colours) {
    return std::make_unique<SpriteLayer>(graphics_, area, ratio_, radius, colours);
}

std::unique_ptr<Gdiplus::Font> GdiplusCanvas::FontOf(const Font& font) const {
    const auto size = Real(pixelSize_ * font.scale);
    if (!family_.empty()) {
        auto named =
            std::make_unique<Gdiplus::Font>(family_.c_str(), size, style_, Gdiplus::UnitPixel);
        if (named->IsAvailable()) {
            return named;
        }
    }
    return std::make_unique<Gdiplus::Font>(Gdiplus::FontFamily::GenericSansSerif(), size, style_,
                                           Gdiplus::UnitPixel);
}

double GdiplusCanvas::WidthOf(const Gdiplus::Font& font, const std::wstring& text) const {
    if (text.empty()) {
        return 0.0;
    }
    const TextFormat format;
    Gdiplus::RectF bounds;
    graphics_.MeasureString(text.c_str(), static_cast<INT>(text.size()), &font,
                            Gdiplus::PointF(0.0F, 0.0F), &format, &bounds);
    return bounds.Width;
}

}  // namespace quadrix
