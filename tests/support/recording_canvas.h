// A canvas that keeps what is drawn on it, for checking drawings without pixels.
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "panel_models/canvas.h"

namespace quadrix::testing {

// A call's points (of a text its box's top left or its baseline's start), colour and text.
struct Drawn {
    std::vector<Point> points;
    std::optional<Colour> colour{};
    std::string text{};
};

// Keeps dots, lines, polygons, circles, texts and the latest clip; texts are 6
// pixels a character and 10 high.
class RecordingCanvas : public Canvas {
  public:
    std::vector<Drawn> dots, lines, polygons, circles, texts;
    Rect clip;

    double DevicePixelRatio() const override { return 1.0; }
    void SetAntialiasing(bool) override {}
    void ClipTo(const Rect& area) override { clip = area; }
    void ClearClip() override {}
    void FillRect(const Rect&, const Colour&) override {}
    void DrawRect(const Rect&, const Pen&) override {}
    void DrawLine(const Point& a, const Point& b, const Pen& p) override {
        lines.push_back({{a, b}, p.colour});
    }
    void DrawPolygon(std::span<const Point> c, const Pen&, const Brush& b) override {
        polygons.push_back({{c.begin(), c.end()}, b.colour});
    }
    void DrawEllipse(const Point& c, double, double, const Pen& p, const Brush&) override {
        circles.push_back({{c}, p.colour});
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
    void DrawText(const Rect& r, const Alignment&, const Font&, const Colour& c,
                  std::string_view t) override {
        texts.push_back({{{r.left, r.top}}, c, std::string(t)});
    }
    void DrawTextAt(const Point& p, const Font&, const Colour& c, std::string_view t) override {
        texts.push_back({{p}, c, std::string(t)});
    }
    std::unique_ptr<DotLayer> NewDotLayer(const Rect&, double,
                                          std::span<const Colour> colours) override {
        return std::make_unique<Layer>(dots, colours);
    }

  private:
    // Its dots are drawn where they are put.
    struct Layer : DotLayer {
        Layer(std::vector<Drawn>& dots, std::span<const Colour> colours)
            : dots(dots), colours(colours.begin(), colours.end()) {}
        void Put(const Point& c, std::size_t colour) override {
            dots.push_back({{c}, colours.at(colour)});
        }
        void Draw() override {}
        std::vector<Drawn>& dots;
        std::vector<Colour> colours;
    };
};

}  // namespace quadrix::testing
