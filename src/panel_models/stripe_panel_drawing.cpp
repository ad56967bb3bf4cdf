// The stripe method's panel drawn on a canvas and told to screen readers.
#include "panel_models/stripe_panel_drawing.h"

#include <cmath>
#include <optional>
#include <vector>

#include "panel_models/panel_colours.h"
#include "panel_models/panel_drawing.h"
#include "panel_models/rounded_text.h"

namespace quadrix {
namespace {

namespace colours = panel_colours;

constexpr double kMinSeparatedStripePixels = 6.0;

// "slope −1.50", with a true minus sign.
std::string SlopeLabel(const std::optional<ConvergencePlot::Line>& line) {
    if (!line.has_value()) {
        return {};
    }
    std::string label = "slope ";
    for (const char c : FixedText(line->slope, 2)) {
        label += c == '-' ? std::string("\u2212") : std::string(1, c);
    }
    return label;
}

PanelContent ContentOf(const StripePanelModel& model) {
    const std::optional<ConvergencePlot::Line> line = model.ReferenceLine();
    return {model.Plot(), {line, SlopeLabel(line), "stripes"}, model.Caption()};
}

// The outline of the step curve over the stripes, closed along the x axis.
std::vector<Point> StepArea(const Rect& square,
                            const std::vector<StripePanelModel::Stripe>& stripes, bool upper) {
    std::vector<Point> area{InSquare(square, 0.0, 0.0)};
    for (const StripePanelModel::Stripe& stripe : stripes) {
        const double height = upper ? stripe.upper : stripe.lower;
        area.push_back(InSquare(square, stripe.left, height));
        area.push_back(InSquare(square, stripe.right, height));
    }
    area.push_back(InSquare(square, 1.0, 0.0));
    return area;
}

void DrawRectangles(Canvas& canvas, const Rect& square, const StripePanelModel& model) {
    const std::vector<StripePanelModel::Stripe> stripes = model.Rectangles();
    canvas.DrawPolygon(StepArea(square, stripes, true), Pen{colours::kAboveEdge},
                       Brush{colours::kAbove});
    canvas.DrawPolygon(StepArea(square, stripes, false), Pen{colours::kBelowEdge},
                       Brush{colours::kBelow});

    const double stripeWidth = square.width / static_cast<double>(stripes.size());
    if (stripeWidth < kMinSeparatedStripePixels) {
        return;
    }
    for (const StripePanelModel::Stripe& stripe : stripes) {
        if (stripe.left == 0.0) {
            continue;
        }
        canvas.DrawLine(InSquare(square, stripe.left, 0.0),
                        InSquare(square, stripe.left, stripe.lower), Pen{colours::kGround});
    }
}

// Below the band lies what the lower sum covers, as under the lower rectangles.
void DrawBand(Canvas& canvas, const Rect& square, const StripePanelModel& model) {
    const auto columns = static_cast<int>(std::ceil(square.width));
    const std::vector<StripePanelModel::Column> band = model.Band(columns);
    std::vector<Point> inside{InSquare(square, 0.0, 0.0)};
    std::vector<Point> between;
    for (const StripePanelModel::Column& column : band) {
        inside.push_back(InSquare(square, column.left, column.bottom));
        inside.push_back(InSquare(square, column.right, column.bottom));
        between.push_back(InSquare(square, column.left, column.top));
        between.push_back(InSquare(square, column.right, column.top));
    }
    between.insert(between.end(), inside.rbegin(), inside.rend() - 1);
    inside.push_back(InSquare(square, 1.0, 0.0));
    canvas.DrawPolygon(inside, Pen{}, Brush{colours::kBelow});
    canvas.DrawPolygon(between, Pen{}, Brush{colours::kBand});
}

void DrawStripes(Canvas& canvas, const Rect& square, const StripePanelModel& model) {
    if (!model.HasState()) {
        return;
    }
    if (model.ShowsRectangles(square.width)) {
        DrawRectangles(canvas, square, model);
    } else {
        DrawBand(canvas, square, model);
    }
}

}  // namespace

void DrawStripePanel(Canvas& canvas, const Rect& contents, const StripePanelModel& model) {
    const PanelGeometry geometry = DrawPanelGround(canvas, contents);
    DrawStripes(canvas, geometry.square, model);
    DrawPanelOverlay(canvas, geometry, ContentOf(model));
}

// The square shows rectangles in a panel of the window's size, else the band.
std::string StripePanelDescription(const StripePanelModel& model, double squareSide) {
    const std::string square = std::to_string(model.Count()) + " stripes, drawn as " +
                               (model.ShowsRectangles(squareSide)
                                    ? "upper rectangles over lower ones."
                                    : "the band between the upper and the lower step curve.");
    return PanelDescription(ContentOf(model), square);
}

}  // namespace quadrix
