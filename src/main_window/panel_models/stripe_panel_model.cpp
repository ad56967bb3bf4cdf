#include "main_window/panel_models/stripe_panel_model.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>
#include <utility>

#include "main_window/panel_models/interval_caption.h"
#include "main_window/panel_models/state_text_reader.h"
#include "runtime/number_text.h"

namespace quadrix {
namespace {

// The quarter circle's height at stripe edge i of count, as the estimator takes it.
double HeightAtEdge(std::int64_t edge, std::int64_t count) {
    const double t = static_cast<double>(edge) / static_cast<double>(count);
    return std::sqrt(std::max(0.0, 1.0 - t * t));
}

}  // namespace

StripePanelModel::State StripePanelModel::Read(Long count, std::string_view stateText,
                                               std::string_view separator) {
    const StateTextReader reader(stateText, separator);
    State state;
    state.count = count;
    state.piBelow = reader.Value("PiBelow");
    state.piAbove = reader.Value("PiAbove");
    state.piRounded = reader.Value("PiRounded");
    return state;
}

void StripePanelModel::Update(const State& state) {
    const bool newRun = runForgotten_ || !hasState_;
    std::string caption = CaptionOf(state);
    ConvergencePlot plot = newRun ? ConvergencePlot() : plot_;
    const bool stepped = newRun || state.count != count_;
    if (stepped && state.count >= 1 && state.piRounded.has_value()) {
        plot.Add(static_cast<double>(state.count), *state.piRounded - std::numbers::pi);
    }

    caption_ = std::move(caption);
    plot_ = std::move(plot);
    count_ = state.count;
    hasState_ = true;
    runForgotten_ = false;
}

bool StripePanelModel::ShowsRectangles(double squareSide) const {
    return hasState_ && count_ >= 1 && count_ <= kMaxRectangles &&
           squareSide / static_cast<double>(count_) >= kMinStripePixels;
}

std::vector<StripePanelModel::Stripe> StripePanelModel::Rectangles() const {
    if (!hasState_ || count_ < 1 || count_ > kMaxRectangles) {
        return {};
    }
    std::vector<Stripe> stripes;
    stripes.reserve(static_cast<std::size_t>(count_));
    const auto width = 1.0 / static_cast<double>(count_);
    for (Long stripe = 0; stripe < count_; ++stripe) {
        stripes.push_back({static_cast<double>(stripe) * width,
                           static_cast<double>(stripe + 1) * width, HeightAtEdge(stripe, count_),
                           HeightAtEdge(stripe + 1, count_)});
    }
    return stripes;
}

// Over column [a, b) the upper step curve is highest in the stripe holding a, at
// that stripe's left edge floor(a count); the lower one is lowest in the stripe
// holding the end of the column, at its right edge ceil(b count).
std::vector<StripePanelModel::Column> StripePanelModel::Band(int columns) const {
    if (!hasState_ || count_ < 1 || columns < 1) {
        return {};
    }
    const std::int64_t count = count_;
    std::vector<Column> band;
    band.reserve(static_cast<std::size_t>(columns));
    for (std::int64_t column = 0; column < columns; ++column) {
        const std::int64_t firstStripe = column * count / columns;
        const std::int64_t lastEdge = ((column + 1) * count + columns - 1) / columns;
        band.push_back(
            {static_cast<double>(column) / columns, static_cast<double>(column + 1) / columns,
             HeightAtEdge(std::min(lastEdge, count), count), HeightAtEdge(firstStripe, count)});
    }
    return band;
}

std::string StripePanelModel::CaptionOf(const State& state) {
    if (!state.piBelow.has_value() || !state.piAbove.has_value()) {
        return {};
    }
    return IntervalCaption::Text("", *state.piBelow, *state.piAbove, DecimalSeparator());
}

}  // namespace quadrix
