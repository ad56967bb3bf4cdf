// The error plot's points, reference line and labels on logarithmic axes.
#include "panel_models/convergence_plot_drawing.h"

#include <gtest/gtest.h>

#include "support/recording_canvas.h"

namespace quadrix {

// Errors from 1 down to 1e-10 over counts from 1 to 1e12: a point at each end and one midway,
// under a reference line from the frame's top left corner to its bottom right one.
static testing::RecordingCanvas DrawnPlot() {
    ConvergencePlot plot;
    plot.Add(1.0, 1.0);
    plot.Add(1e6, 1e-5);
    plot.Add(1e12, 1e-10);
    testing::RecordingCanvas canvas;
    const ConvergencePlot::Line reference{-10.0 / 12.0, 0.0};
    DrawConvergencePlot(canvas, {20.0, 10.0, 200.0, 150.0}, plot, {reference, "ref", "shots"});
    return canvas;
}

// The points at these shares of the way across and down the frame, where the plot is clipped.
static void ExpectAt(const testing::RecordingCanvas& canvas, std::vector<Point> points,
                     std::vector<double> shares) {
    ASSERT_EQ(points.size(), shares.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_NEAR(points[i].x, canvas.clip.left + shares[i] * canvas.clip.width, 1e-9) << i;
        EXPECT_NEAR(points[i].y, canvas.clip.top + shares[i] * canvas.clip.height, 1e-9) << i;
    }
}

TEST(ConvergencePlotDrawing, PlacesPointsOnLogarithmicAxes) {
    const testing::RecordingCanvas c = DrawnPlot();
    ASSERT_EQ(c.dots.size(), 3u);
    ExpectAt(c, {c.dots[0].first, c.dots[1].first, c.dots[2].first, c.circles.at(0)},
             {0.0, 0.5, 1.0, 1.0});  // the latest circled
}

TEST(ConvergencePlotDrawing, DrawsTheReferenceLineAcrossTheFrame) {
    const testing::RecordingCanvas c = DrawnPlot();
    ExpectAt(c, c.lines.back(), {0.0, 1.0});
}

TEST(ConvergencePlotDrawing, LabelsBothAxesWithTheirEndsPowersOfTen) {
    EXPECT_EQ(DrawnPlot().texts,
              (std::vector<std::string>{"10\u2070", "10\u207b\u00b9\u2070", "10\u2070",
                                        "10\u00b9\u00b2", "shots", "error", "ref"}));
    EXPECT_EQ(PowerOfTen(-3456789), "10\u207b\u00b3\u2074\u2075\u2076\u2077\u2078\u2079");
}

}  // namespace quadrix
