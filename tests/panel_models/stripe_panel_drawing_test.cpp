// The stripe panel's rectangles and its slope label.
#include "panel_models/stripe_panel_drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

#include "estimators/quadrix_stripe.h"
#include "panel_models/panel_geometry.h"
#include "support/recording_canvas.h"

namespace quadrix {

const Rect kContents{3.0, 2.0, 297.0, 169.0};

// The model after ticks that left the estimator at these counts.
static StripePanelModel ModelAt(std::initializer_list<Long> counts) {
    QuadrixStripe stripe;
    StripePanelModel model;
    for (const Long count : counts) {
        stripe.Count(count);
        model.Update(stripe.Snapshot());
    }
    return model;
}

// Upper rectangles, then lower ones over them, their areas the bounds over four.
TEST(StripePanelDrawing, RectanglesCoverTheBoundsOverFour) {
    const double side = PanelGeometryIn(kContents, 10.0).square.width;
    for (const Long count : {1, 7, 64}) {
        testing::RecordingCanvas canvas;
        DrawStripePanel(canvas, kContents, ModelAt({count}));
        QuadrixStripe stripe;
        stripe.Count(count);
        ASSERT_EQ(canvas.polygons.size(), 2u);
        for (const auto& [c, bound] : {std::pair{canvas.polygons[0], stripe.PiAbove()},
                                       std::pair{canvas.polygons[1], stripe.PiBelow()}}) {
            double twice = 0.0;
            for (std::size_t i = 0; i < c.size(); ++i) {
                twice += c[i].x * c[(i + 1) % c.size()].y - c[(i + 1) % c.size()].x * c[i].y;
            }
            EXPECT_NEAR(std::abs(twice) / 2.0, bound / 4 * side * side, 1e-9) << count;
        }
    }
}

TEST(StripePanelDrawing, ReferenceLabelGivesTheFittedSlope) {
    testing::RecordingCanvas canvas;
    DrawStripePanel(canvas, kContents, ModelAt({8, 16, 32, 64, 128, 256}));
    EXPECT_EQ(canvas.texts.rbegin()[1], "slope \u22121.54");  // the caption last
}

}  // namespace quadrix
