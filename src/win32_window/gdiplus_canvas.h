// The panels' canvas painted with GDI+, in logical pixels scaled to the window's DPI.
#pragma once

#include <windows.h>

#include <gdiplus.h>

#include <memory>
#include <string>

#include "panel_models/canvas.h"

namespace quadrix {

// Draws on a GDI+ surface whose device pixels are `devicePixelRatio` logical
// pixels wide, in fonts scaled from `font` (a GDI font at that DPI).
class GdiplusCanvas : public Canvas {
  public:
    GdiplusCanvas(Gdiplus::Graphics& graphics, HDC fontDc, HFONT font, double devicePixelRatio);
    ~GdiplusCanvas() override;
    GdiplusCanvas(const GdiplusCanvas&) = delete;
    GdiplusCanvas& operator=(const GdiplusCanvas&) = delete;

    double DevicePixelRatio() const override { return ratio_; }
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

    static Gdiplus::Color ToColor(const Colour& colour);

  private:
    // The panel's font in logical pixels, scaled.
    std::unique_ptr<Gdiplus::Font> FontOf(const Font& font) const;
    double WidthOf(const Gdiplus::Font& font, const std::wstring& text) const;

    Gdiplus::Graphics& graphics_;
    Gdiplus::GraphicsState saved_;
    std::wstring family_;
    INT style_ = Gdiplus::FontStyleRegular;
    double pixelSize_ = 12.0;  // logical pixels
    double ratio_;
};

}  // namespace quadrix
