// The error plot's points, reference line and labels on logarithmic axes.
#include "panel_models/convergence_plot_drawing.h"

#include <gtest/gtest.h>

#include <utility>

#include "support/recording_canvas.h"

namespace quadrix {
namespace {

// Errors from 1 down to 1e-10 over counts from 1 to 1e12: a point at each end and one midway.
testing::RecordingCanvas DrawnPlot(const std::optional<ConvergencePlot::Line>& reference = {}) {
    ConvergencePlot plot;
    for (const auto& [count, error] :
         {std::pair{1.0, 1.0}, std::pair{1e6, 1e-5}, std::pair{1e12, 1e-10}}) {
        plot.Add(count, error);
    }
    testing::RecordingCanvas canvas;
    DrawConvergencePlot(canvas, {20.0, 10.0, 200.0, 150.0}, plot, {reference, "ref", "shots"});
    return canvas;
}

void ExpectAt(const Point& point, double x, double y) {
    EXPECT_NEAR(point.x, x, 1e-9);
    EXPECT_NEAR(point.y, y, 1e-9);
}

// The frame is where the points are clipped.
TEST(ConvergencePlotDrawing, PlacesPointsOnLogarithmicAxes) {
    const testing::RecordingCanvas canvas = DrawnPlot();
    const Rect& frame = canvas.clip;
    ASSERT_EQ(canvas.dots.size(), 3u);
    ExpectAt(canvas.dots[0].points[0], frame.left, frame.top);
    ExpectAt(canvas.dots[1].points[0], frame.left + frame.width / 2, frame.top + frame.height / 2);
    ExpectAt(canvas.dots[2].points[0], frame.Right(), frame.Bottom());
    ExpectAt(canvas.circles.at(0).points[0], frame.Right(), frame.Bottom());  // the latest
}

TEST(ConvergencePlotDrawing, DrawsTheReferenceLineAcrossTheFrame) {
    const testing::RecordingCanvas canvas = DrawnPlot(ConvergencePlot::Line{-10.0 / 12.0, 0.0});
    ExpectAt(canvas.lines.back().points[0], canvas.clip.left, canvas.clip.top);
    ExpectAt(canvas.lines.back().points[1], canvas.clip.Right(), canvas.clip.Bottom());
    EXPECT_EQ(canvas.texts.back().text, "ref");
}

TEST(ConvergencePlotDrawing, LabelsBothAxesWithTheirEndsPowersOfTen) {
    std::vector<std::string> labels;
    for (const testing::Drawn& text : DrawnPlot().texts) {
        labels.push_back(text.text);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"10\u2070", "10\u207b\u00b9\u2070", "10\u2070",
                                                "10\u00b9\u00b2", "shots", "error"}));
    EXPECT_EQ(PowerOfTen(-3456789), "10\u207b\u00b3\u2074\u2075\u2076\u2077\u2078\u2079");
}

}  // namespace
}  // namespace quadrix
