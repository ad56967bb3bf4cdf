// The stripe panel's rectangles, its slope label and what it tells screen readers.
#include "panel_models/stripe_panel_drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <numbers>

#include "estimators/quadrix_stripe.h"
#include "panel_models/panel_colours.h"
#include "panel_models/panel_geometry.h"
#include "support/recording_canvas.h"

namespace quadrix {
namespace {

const Rect kContents{3.0, 2.0, 297.0, 169.0};

// The model after ticks that left the estimator at these counts.
StripePanelModel ModelAt(std::initializer_list<Long> counts) {
    QuadrixStripe stripe;
    StripePanelModel model;
    for (const Long count : counts) {
        stripe.Count(count);
        model.Update(stripe.Snapshot());
    }
    return model;
}

double Area(const std::vector<Point>& corners) {
    double twice = 0.0;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const Point& next = corners[(i + 1) % corners.size()];
        twice += corners[i].x * next.y - next.x * corners[i].y;
    }
    return std::abs(twice) / 2.0;
}

// Upper rectangles in light orange, lower ones in light blue over them.
TEST(StripePanelDrawing, RectanglesCoverTheBoundsOverFour) {
    for (const Long count : {1, 7, 64}) {
        testing::RecordingCanvas canvas;
        DrawStripePanel(canvas, kContents, ModelAt({count}));
        const double side = PanelGeometryIn(kContents, canvas.LineHeight({})).square.width;
        QuadrixStripe stripe;
        stripe.Count(count);
        ASSERT_EQ(canvas.polygons.size(), 2u);
        EXPECT_EQ(canvas.polygons[0].colour, panel_colours::kAbove);
        EXPECT_NEAR(Area(canvas.polygons[0].points), stripe.PiAbove() / 4 * side * side, 1e-9);
        EXPECT_EQ(canvas.polygons[1].colour, panel_colours::kBelow);
        EXPECT_NEAR(Area(canvas.polygons[1].points), stripe.PiBelow() / 4 * side * side, 1e-9);
    }
}

// Over the area under the lower step curve the band reaches up to the upper one.
TEST(StripePanelDrawing, BandReachesUpToTheUpperBound) {
    testing::RecordingCanvas canvas;
    DrawStripePanel(canvas, kContents, ModelAt({128}));
    const double side = PanelGeometryIn(kContents, canvas.LineHeight({})).square.width;
    ASSERT_EQ(canvas.polygons.size(), 2u);
    const double covered = Area(canvas.polygons[0].points) + Area(canvas.polygons[1].points);
    EXPECT_NEAR(covered / (side * side), std::numbers::pi / 4, 0.05);
}

TEST(StripePanelDrawing, ReferenceLabelGivesTheFittedSlope) {
    testing::RecordingCanvas canvas;
    DrawStripePanel(canvas, kContents, ModelAt({8, 16, 32, 64, 128, 256}));
    EXPECT_EQ(canvas.texts.at(canvas.texts.size() - 2).text, "slope \u22121.54");  // caption last
}

TEST(StripePanelDrawing, DescriptionTellsWhatTheSquareShows) {
    EXPECT_EQ(StripePanelDescription(ModelAt({8, 8}), 16.0),
              "[2.83, 3.33]  no digit sure yet. 8 stripes, drawn as upper rectangles over lower "
              "ones. Error plot of 1 ticks, latest error 0.0619 at 8 stripes.");
    EXPECT_NE(StripePanelDescription(ModelAt({8}), 15.0).find("drawn as the band between"),
              std::string::npos);
}

}  // namespace
}  // namespace quadrix
