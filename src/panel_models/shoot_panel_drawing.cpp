// The shooting method's panel drawn on a canvas and told to screen readers.
#include "panel_models/shoot_panel_drawing.h"

#include <algorithm>
#include <array>

#include "panel_models/panel_colours.h"
#include "panel_models/panel_drawing.h"

namespace quadrix {
namespace {

constexpr double kDotRadius = 1.3;

PanelContent ContentOf(const ShootPanelModel& model) {
    return {model.Plot(), {model.ReferenceLine(), "1/\u221an", "shots"}, model.Caption()};
}

void DrawShots(Canvas& canvas, const Rect& square, const ShootPanelModel& model) {
    if (model.Dots().empty()) {
        return;
    }
    constexpr std::size_t kHit = 0;
    constexpr std::size_t kMiss = 1;
    const std::array<Colour, 2> colours{panel_colours::kHit, panel_colours::kMiss};
    const std::unique_ptr<Canvas::DotLayer> layer = canvas.NewDotLayer(square, kDotRadius, colours);
    for (const ShootPanelModel::Dot& dot : model.Dots()) {
        layer->Put(InSquare(square, dot.x, dot.y), dot.hit ? kHit : kMiss);
    }
    layer->Draw();
}

}  // namespace

void DrawShootPanel(Canvas& canvas, const Rect& contents, const ShootPanelModel& model) {
    const PanelGeometry geometry = DrawPanelGround(canvas, contents);
    DrawShots(canvas, geometry.square, model);
    DrawPanelOverlay(canvas, geometry, ContentOf(model));
}

std::string ShootPanelDescription(const ShootPanelModel& model) {
    const auto& dots = model.Dots();
    const auto hits =
        std::count_if(dots.begin(), dots.end(), [](const auto& dot) { return dot.hit; });
    const std::string square = "The latest " + std::to_string(dots.size()) +
                               " shots: " + std::to_string(hits) +
                               " hits inside the arc in blue, " +
                               std::to_string(std::ssize(dots) - hits) + " misses in orange.";
    return PanelDescription(ContentOf(model), square);
}

}  // namespace quadrix
