// A canvas that keeps the dots, lines, polygons, circles' centres, texts and latest clip drawn
// on it, for checking drawings without pixels. A character is 6 pixels wide, a line 10 high.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "panel_models/canvas.h"

namespace quadrix::testing {

class RecordingCanvas : public Canvas {
  public:
    std::vector<std::pair<Point, Colour>> dots;
    std::vector<std::vector<Point>> lines, polygons;
    std::vector<Point> circles;
    std::vector<std::string> texts;
    Rect clip;

    double DevicePixelRatio() const override { return 1.0; }
    void SetAntialiasing(bool) override {}
    void ClipTo(const Rect& area) override { clip = area; }
    void ClearClip() override {}
    void FillRect(const Rect&, const Colour&) override {}
    void DrawRect(const Rect&, const Pen&) override {}
    void DrawLine(const Point& a, const Point& b, const Pen&) override { lines.push_back({a, b}); }
    void DrawPolygon(std::span<const Point> c, const Pen&, const Brush&) override {
        polygons.emplace_back(c.begin(), c.end());
    }
    void DrawEllipse(const Point& c, double, double, const Pen&, const Brush&) override {
        circles.push_back(c);
    }
    void DrawArc(const Rect&, double, double, const Pen&) override {}
    double TextWidth(const Font&, std::string_view t) const override {
        return 6.0 * static_cast<double>(t.size());
    }
    double LineHeight(const Font&) const override { return 10.0; }
    double Ascent(const Font&) const override { return 8.0; }
    std::string Elided(const Font&, std::string_view t, double w) const override {
        return std::string(t.substr(0, static_cast<std::size_t>(w / 6.0)));
    }
    void DrawText(const Rect&, const Alignment&, const Font&, const Colour&,
                  std::string_view t) override {
        texts.emplace_back(t);
    }
    void DrawTextAt(const Point&, const Font&, const Colour&, std::string_view t) override {
        texts.emplace_back(t);
    }
    std::unique_ptr<DotLayer> NewDotLayer(const Rect&, double, std::span<const Colour> c) override {
        return std::make_unique<Layer>(dots, std::vector<Colour>(c.begin(), c.end()));
    }

  private:
    struct Layer : DotLayer {
        Layer(std::vector<std::pair<Point, Colour>>& d, std::vector<Colour> c)
            : dots(d), colours(std::move(c)) {}
        void Put(const Point& p, std::size_t c) override { dots.emplace_back(p, colours.at(c)); }
        void Draw() override {}
        std::vector<std::pair<Point, Colour>>& dots;
        std::vector<Colour> colours;
    };
};

}  // namespace quadrix::testing
