// What the stripe method's panel shows, without pixels.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "estimators/stripe_state.h"
#include "panel_models/convergence_plot.h"
#include "panel_models/method_run.h"
#include "runtime/long_arithmetic.h"

namespace quadrix {

// What the stripe method's panel draws, without pixels: the upper and lower
// rectangles of the current count while a stripe is wide enough to see, else
// the band between the two step curves, the bracket [PiBelow, PiAbove] with the
// digits both bounds share, and the run's error plot. Nothing it computes grows
// with the count.
class StripePanelModel {
  public:
    // Narrower stripes are drawn as the band.
    static constexpr double kMinStripePixels = 2.0;
    // The most rectangles ever drawn, whatever the square's size.
    static constexpr Long kMaxRectangles = 1024;

    // Stripe [left, right) of the unit square with the heights of its upper
    // (left edge) and lower (right edge) rectangle.
    struct Stripe {
        double left;
        double right;
        double upper;
        double lower;
    };

    // The band over [left, right): from the lowest point of the lower step curve
    // up to the highest point of the upper one.
    struct Column {
        double left;
        double right;
        double bottom;
        double top;
    };

    // Takes the estimator's state after a tick.
    void Update(const StripeState& state);
    // The method was reset: the next Update starts a new run.
    void ForgetRun() { run_.Forget(); }

    bool HasState() const { return run_.HasState(); }
    Long Count() const { return run_.Count(); }

    // Whether each stripe is at least kMinStripePixels wide in a square of that side.
    bool ShowsRectangles(double squareSide) const;
    // One per stripe, left to right; empty before the first state and beyond kMaxRectangles.
    std::vector<Stripe> Rectangles() const;
    // The band cut into that many columns of equal width.
    std::vector<Column> Band(int columns) const;

    // Empty before the first state.
    const std::string& Caption() const { return caption_; }
    const ConvergencePlot& Plot() const { return run_.Plot(); }
    // The least-squares line through the plot.
    std::optional<ConvergencePlot::Line> ReferenceLine() const { return Plot().FittedLine(); }

  private:
    MethodRun run_;
    std::string caption_;
};

}  // namespace quadrix
