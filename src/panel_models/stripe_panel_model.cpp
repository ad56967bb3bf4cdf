// What the stripe method's panel shows, without pixels.
#include "panel_models/stripe_panel_model.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "estimators/stripe_height.h"
#include "panel_models/interval_caption.h"
#include "runtime/number_text.h"

namespace quadrix {
void StripePanelModel::Update(const StripeState& state) {
    caption_ = IntervalCaption("", state.piBelow, state.piAbove, DecimalSeparator());
    run_.Take(state.count, state.piRounded);
}

bool StripePanelModel::ShowsRectangles(double squareSide) const {
    return HasState() && Count() >= 1 && Count() <= kMaxRectangles &&
           squareSide / static_cast<double>(Count()) >= kMinStripePixels;
}

std::vector<StripePanelModel::Stripe> StripePanelModel::Rectangles() const {
    const Long count = Count();
    if (!HasState() || count < 1 || count > kMaxRectangles) {
        return {};
    }
    std::vector<Stripe> stripes;
    stripes.reserve(static_cast<std::size_t>(count));
    const auto width = 1.0 / static_cast<double>(count);
    for (Long stripe = 0; stripe < count; ++stripe) {
        stripes.push_back({static_cast<double>(stripe) * width,
                           static_cast<double>(stripe + 1) * width, StripeHeight(stripe, count),
                           StripeHeight(stripe + 1, count)});
    }
    return stripes;
}

// Over column [a, b) the upper step curve is highest in the stripe holding a, at
// that stripe's left edge floor(a count); the lower one is lowest in the stripe
// holding the end of the column, at its right edge ceil(b count).
std::vector<StripePanelModel::Column> StripePanelModel::Band(int columns) const {
    const std::int64_t count = Count();
    if (!HasState() || count < 1 || columns < 1) {
        return {};
    }
    std::vector<Column> band;
    band.reserve(static_cast<std::size_t>(columns));
    for (std::int64_t column = 0; column < columns; ++column) {
        const std::int64_t firstStripe = column * count / columns;
        const std::int64_t lastEdge = ((column + 1) * count + columns - 1) / columns;
        band.push_back({static_cast<double>(column) / columns,
                        static_cast<double>(column + 1) / columns,
                        StripeHeight(static_cast<Long>(std::min(lastEdge, count)), Count()),
                        StripeHeight(static_cast<Long>(firstStripe), Count())});
    }
    return band;
}

}  // namespace quadrix
