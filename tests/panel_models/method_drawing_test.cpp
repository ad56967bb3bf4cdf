// What a method's panel shows as both windows hold it: the run since the last Reset, described.
#include "panel_models/method_drawing.h"

#include <gtest/gtest.h>

#include "estimators/quadrix_shoot.h"
#include "estimators/quadrix_stripe.h"
#include "runtime/counter_random_sequence.h"

namespace quadrix {

// A run, a Reset, then a new run of 500 shots or of 8 stripes: its error plot has one tick.
TEST(MethodDrawing, DescribesTheRunSinceTheLastReset) {
    CounterRandomSequence earlier, sequence;
    QuadrixShoot before(earlier), shooting(sequence);
    before.DoStep(200);
    shooting.DoStep(500);
    QuadrixStripe stripes;
    stripes.DoStep(1);
    struct Case {
        Method method;
        EstimatorState before, after;
        double squareWidth;
        const char* description;
    };
    for (const Case& c : {
             Case{Method::kShooting, before.State(), shooting.State(), 16.0,
                  "95%: [3.00, 3.29]  \u03c0 = 3\u2026. The latest 500 shots: 395 hits inside "
                  "the arc in blue, 105 misses in orange. Error plot of 1 ticks, latest error "
                  "0.0184 at 500 shots."},
             Case{Method::kStripes, QuadrixStripe().State(), stripes.State(), 16.0,
                  "[2.83, 3.33]  no digit sure yet. 8 stripes, drawn as upper rectangles over "
                  "lower ones. Error plot of 1 ticks, latest error 0.0619 at 8 stripes."},
             Case{Method::kStripes, QuadrixStripe().State(), stripes.State(), 15.0,
                  "[2.83, 3.33]  no digit sure yet. 8 stripes, drawn as the band between the "
                  "upper and the lower step curve. Error plot of 1 ticks, latest error 0.0619 at 8 "
                  "stripes."},
         }) {
        MethodDrawing drawing(c.method);
        drawing.TakeState(c.before);
        drawing.ForgetRun();
        drawing.TakeState(c.after);
        PanelGeometry geometry{};
        geometry.square.width = c.squareWidth;
        EXPECT_EQ(drawing.Description(geometry), c.description);
    }
}

}  // namespace quadrix
