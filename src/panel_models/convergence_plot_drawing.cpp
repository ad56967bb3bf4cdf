// The run's error plot drawn on a canvas and told in a line.
#include "panel_models/convergence_plot_drawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "panel_models/panel_colours.h"
#include "panel_models/rounded_text.h"

namespace quadrix {
namespace {

namespace colours = panel_colours;

constexpr Font kLabelFont{0.8};
constexpr double kPointRadius = 1.6;
constexpr double kLatestPointRadius = 2.6;
constexpr double kMinGridSpacing = 4.0;  // pixels between decade lines
constexpr double kLabelGap = 3.0;

// The plot's axes in an area, with room for the error labels on the left, the
// count labels below, and half a count label beyond the frame's right end.
class PlotFrame {
  public:
    PlotFrame(const Canvas& canvas, const Rect& area, const ConvergencePlot& plot)
        : area_(area), counts_(plot.CountDecades()), errors_(plot.ErrorDecades()) {
        const double labelWidth = std::max(canvas.TextWidth(kLabelFont, PowerOfTen(errors_.low)),
                                           canvas.TextWidth(kLabelFont, PowerOfTen(errors_.high)));
        const double labelHeight = canvas.LineHeight(kLabelFont);
        const double rightRoom = canvas.TextWidth(kLabelFont, PowerOfTen(counts_.high)) / 2.0;
        frame_ = {area.left + labelWidth + kLabelGap, area.top + labelHeight / 2.0,
                  area.width - labelWidth - kLabelGap - rightRoom,
                  area.height - labelHeight * 1.5 - 2.0};
    }

    const Rect& Frame() const { return frame_; }

    // Where a point lies in the frame.
    Point At(double count, double error) const {
        const double across = (std::log10(count) - counts_.low) / (counts_.high - counts_.low);
        const double up = (std::log10(error) - errors_.low) / (errors_.high - errors_.low);
        return {frame_.left + across * frame_.width, frame_.Bottom() - up * frame_.height};
    }

    void DrawAxes(Canvas& canvas, std::string_view countName) const {
        const Pen grid{colours::kGrid};
        const int countSpan = counts_.high - counts_.low;
        const int countStep =
            std::max(1, static_cast<int>(std::ceil(kMinGridSpacing * countSpan / frame_.width)));
        for (int decade = counts_.low + countStep; decade < counts_.high; decade += countStep) {
            const double x = At(std::pow(10.0, decade), 1.0).x;
            canvas.DrawLine({x, frame_.top}, {x, frame_.Bottom()}, grid);
        }
        const int errorSpan = errors_.high - errors_.low;
        const int errorStep =
            std::max(1, static_cast<int>(std::ceil(kMinGridSpacing * errorSpan / frame_.height)));
        for (int decade = errors_.low + errorStep; decade < errors_.high; decade += errorStep) {
            const double y = At(1.0, std::pow(10.0, decade)).y;
            canvas.DrawLine({frame_.left, y}, {frame_.Right(), y}, grid);
        }
        canvas.DrawRect(frame_, Pen{colours::kOutline});
        DrawLabels(canvas, countName);
    }

    void DrawReference(Canvas& canvas, const ConvergencePlot::Line& reference,
                       std::string_view label) const {
        const double firstCount = std::pow(10.0, counts_.low);
        const double lastCount = std::pow(10.0, counts_.high);
        canvas.DrawLine(At(firstCount, reference.ErrorAt(firstCount)),
                        At(lastCount, reference.ErrorAt(lastCount)),
                        Pen{colours::kReference, 1.0, true});
        canvas.DrawText(frame_.Adjusted(kLabelGap, 0.0, -kLabelGap, -1.0),
                        {Alignment::Across::kLeft, Alignment::Down::kBottom}, kLabelFont,
                        colours::kReference, label);
    }

    void DrawPoints(Canvas& canvas, const std::vector<ConvergencePlot::Point>& points) const {
        const std::array<Colour, 1> pointColour{colours::kPlotPoint};
        const std::unique_ptr<Canvas::DotLayer> layer =
            canvas.NewDotLayer(frame_, kPointRadius, pointColour);
        for (const ConvergencePlot::Point& point : points) {
            layer->Put(At(point.count, point.error), 0);
        }
        layer->Draw();
        const ConvergencePlot::Point& latest = points.back();
        canvas.DrawEllipse(At(latest.count, latest.error), kLatestPointRadius, kLatestPointRadius,
                           Pen{colours::kCurve}, Brush{});
    }

  private:
    void DrawLabels(Canvas& canvas, std::string_view countName) const {
        using Across = Alignment::Across;
        using Down = Alignment::Down;
        const double labelHeight = canvas.LineHeight(kLabelFont);
        const Rect errorLabels{area_.left, frame_.top - labelHeight / 2.0,
                               frame_.left - kLabelGap - area_.left, frame_.height + labelHeight};
        canvas.DrawText(errorLabels, {Across::kRight, Down::kTop}, kLabelFont, colours::kText,
                        PowerOfTen(errors_.high));
        canvas.DrawText(errorLabels, {Across::kRight, Down::kBottom}, kLabelFont, colours::kText,
                        PowerOfTen(errors_.low));

        const double countTop = frame_.Bottom() + 2.0;
        const double baseline = countTop + canvas.Ascent(kLabelFont);
        const std::string low = PowerOfTen(counts_.low);
        const std::string high = PowerOfTen(counts_.high);
        canvas.DrawTextAt({frame_.left - canvas.TextWidth(kLabelFont, low) / 2.0, baseline},
                          kLabelFont, colours::kText, low);
        canvas.DrawTextAt({frame_.Right() - canvas.TextWidth(kLabelFont, high) / 2.0, baseline},
                          kLabelFont, colours::kText, high);
        canvas.DrawText({frame_.left, countTop, frame_.width, labelHeight},
                        {Across::kCentre, Down::kTop}, kLabelFont, colours::kText, countName);
        canvas.DrawText(frame_.Adjusted(kLabelGap, 1.0, -kLabelGap, 0.0),
                        {Across::kRight, Down::kTop}, kLabelFont, colours::kText, "error");
    }

    Rect area_;
    ConvergencePlot::Decades counts_;
    ConvergencePlot::Decades errors_;
    Rect frame_;
};

}  // namespace

void DrawConvergencePlot(Canvas& canvas, const Rect& area, const ConvergencePlot& plot,
                         const PlotLabels& labels) {
    if (plot.Empty()) {
        return;
    }
    const PlotFrame frame(canvas, area, plot);
    frame.DrawAxes(canvas, labels.countName);
    canvas.ClipTo(frame.Frame());
    if (labels.reference.has_value()) {
        frame.DrawReference(canvas, *labels.reference, labels.referenceLabel);
    }
    frame.DrawPoints(canvas, plot.Points());
    canvas.ClearClip();
}

std::string ConvergencePlotSummary(const ConvergencePlot& plot, std::string_view countName) {
    const std::vector<ConvergencePlot::Point> points = plot.Points();
    if (points.empty()) {
        return {};
    }
    std::string summary =
        "Error plot of " + std::to_string(points.size()) + " ticks, latest error ";
    summary +=
        SignificantText(points.back().error, 3) + " at " + FixedText(points.back().count, 0) + " ";
    return summary.append(countName) + ".";
}

std::string PowerOfTen(int exponent) {
    static constexpr std::array<std::string_view, 10> kSuperscripts = {
        "\u2070", "\u00b9", "\u00b2", "\u00b3", "\u2074",
        "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"};
    std::string text = "10";
    if (exponent < 0) {
        text += "\u207b";  // superscript minus
    }
    for (const char digit : std::to_string(std::abs(exponent))) {
        text += kSuperscripts.at(static_cast<std::size_t>(digit - '0'));
    }
    return text;
}

}  // namespace quadrix
