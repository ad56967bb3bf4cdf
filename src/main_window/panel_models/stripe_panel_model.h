#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "main_window/panel_models/convergence_plot.h"
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

    // The estimator's state after a tick, read once.
    struct State {
        Long count = 0;
        std::optional<double> piBelow;
        std::optional<double> piAbove;
        std::optional<double> piRounded;
    };

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

    // Reads the bounds from the state text the estimator has just given, instead
    // of summing all the stripes again.
    static State Read(Long count, std::string_view stateText, std::string_view separator);

    // Takes the state after a tick; all of the drawing changes at once, or none of it.
    void Update(const State& state);
    // The method was reset: the next Update starts a new run.
    void ForgetRun() { runForgotten_ = true; }

    bool HasState() const { return hasState_; }
    Long Count() const { return count_; }

    // Whether each stripe is at least kMinStripePixels wide in a square of that side.
    bool ShowsRectangles(double squareSide) const;
    // One per stripe, left to right; empty before the first state and beyond kMaxRectangles.
    std::vector<Stripe> Rectangles() const;
    // The band cut into that many columns of equal width.
    std::vector<Column> Band(int columns) const;

    // Empty when a bound is missing.
    const std::string& Caption() const { return caption_; }
    const ConvergencePlot& Plot() const { return plot_; }
    // The least-squares line through the plot.
    std::optional<ConvergencePlot::Line> ReferenceLine() const { return plot_.FittedLine(); }

  private:
    static std::string CaptionOf(const State& state);

    bool hasState_ = false;
    bool runForgotten_ = false;
    Long count_ = 0;
    std::string caption_;
    ConvergencePlot plot_;
};

}  // namespace quadrix
