// The shooting panel's dots and its caption line.
#include "panel_models/shoot_panel_drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <span>

#include "estimators/quadrix_shoot.h"
#include "panel_models/panel_colours.h"
#include "panel_models/panel_geometry.h"
#include "runtime/counter_random_sequence.h"
#include "support/recording_canvas.h"

namespace quadrix {

// After a tick of 500 shots.
static ShootPanelModel Model() {
    CounterRandomSequence sequence;
    QuadrixShoot shoot(sequence);
    shoot.DoStep(500);
    ShootPanelModel model;
    model.Update(shoot.Snapshot());
    return model;
}

// Within the quarter circle about the square's lower left corner.
TEST(ShootPanelDrawing, DotsInsideTheArcAreHits) {
    testing::RecordingCanvas canvas;
    const Rect contents{3.0, 2.0, 297.0, 169.0};
    DrawShootPanel(canvas, contents, Model());
    const Rect square = PanelGeometryIn(contents, 10.0).square;
    ASSERT_EQ(canvas.dots.size(), 501u);  // the shots, then the plot's point
    for (const auto& [at, colour] : std::span(canvas.dots).first(500)) {
        const bool inside = std::hypot(at.x - square.left, square.Bottom() - at.y) <= square.width;
        EXPECT_EQ(colour, inside ? panel_colours::kHit : panel_colours::kMiss);
    }
}

TEST(ShootPanelDrawing, CaptionIsCutToItsLine) {
    testing::RecordingCanvas canvas;
    DrawShootPanel(canvas, {0.0, 0.0, 70.0, 169.0}, Model());
    EXPECT_EQ(canvas.texts.back(), "95%: [3.00");  // 60 pixels, 6 a character
}

}  // namespace quadrix
