// What every method's panel draws and tells around its square.
#include "panel_models/panel_drawing.h"

#include "panel_models/panel_colours.h"

namespace quadrix {
namespace {

constexpr Font kCaptionFont{};
constexpr double kArcWidth = 1.2;

}  // namespace

PanelGeometry DrawPanelGround(Canvas& canvas, const Rect& contents) {
    canvas.SetAntialiasing(true);
    canvas.FillRect(contents, panel_colours::kGround);
    const PanelGeometry geometry = PanelGeometryIn(contents, canvas.LineHeight(kCaptionFont));
    // A one pixel line on pixel centres stays sharp.
    canvas.DrawRect(geometry.square.Adjusted(0.5, 0.5, -0.5, -0.5), Pen{panel_colours::kOutline});
    return geometry;
}

void DrawPanelOverlay(Canvas& canvas, const PanelGeometry& geometry, const PanelContent& content) {
    const Rect& square = geometry.square;
    const Rect circle{square.left - square.width, square.top, 2.0 * square.width,
                      2.0 * square.height};
    canvas.DrawArc(circle, 0.0, 90.0, Pen{panel_colours::kCurve, kArcWidth});

    DrawConvergencePlot(canvas, geometry.plot, content.plot, content.labels);

    if (content.caption.empty()) {
        return;
    }
    const Rect& line = geometry.caption;
    canvas.DrawText(line, {Alignment::Across::kLeft, Alignment::Down::kCentre}, kCaptionFont,
                    panel_colours::kText, canvas.Elided(kCaptionFont, content.caption, line.width));
}

std::string PanelDescription(const PanelContent& content, std::string_view squareSummary) {
    std::string description(content.caption);
    description.append(". ").append(squareSummary).append(" ");
    return description.append(ConvergencePlotSummary(content.plot, content.labels.countName));
}

}  // namespace quadrix
