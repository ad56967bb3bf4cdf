// What the shooting method's panel shows, without pixels.
#include "panel_models/shoot_panel_model.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

#include "estimators/shot.h"
#include "panel_models/counter_sequence_reader.h"
#include "panel_models/interval_caption.h"
#include "panel_models/wilson_interval.h"
#include "runtime/number_text.h"

namespace quadrix {

void ShootPanelModel::Update(const ShootState& state) {
    const bool newRun = run_.StartsNewRun();
    runs_ = RunsAfter(state, newRun);
    dots_ = DotsOf(runs_);
    caption_ = CaptionOf(state);
    run_.Take(state.shootCount, state.piRounded);
}

std::optional<ConvergencePlot::Line> ShootPanelModel::ReferenceLine() const {
    if (run_.Plot().Empty()) {
        return std::nullopt;
    }
    constexpr double kHitShare = std::numbers::pi / 4.0;
    const double deviationOfOneShot = 4.0 * std::sqrt(kHitShare * (1.0 - kHitShare));
    return ConvergencePlot::Line{-0.5, std::log10(deviationOfOneShot)};
}

// The shots since the last update are the latest DoStep's, which end where the
// estimator says; older runs are kept until kMaxDots newer shots cover them.
std::deque<ShootPanelModel::Run> ShootPanelModel::RunsAfter(const ShootState& state,
                                                            bool newRun) const {
    std::deque<Run> runs = newRun ? std::deque<Run>() : runs_;
    const Long newShots = newRun ? state.shootCount : state.shootCount - run_.Count();
    if (!state.countedShotsEnd.has_value()) {
        return {};
    }
    const Long drawn = std::min(newShots, kMaxDots);
    const auto values = 2 * static_cast<std::uint64_t>(drawn);
    if (drawn > 0) {
        if (*state.countedShotsEnd < values) {
            return {};  // not where the estimator's shots can lie
        }
        runs.push_back({*state.countedShotsEnd - values, drawn});
    }
    Long total = 0;
    for (const Run& run : runs) {
        total += run.shots;
    }
    while (total > kMaxDots) {
        Run& oldest = runs.front();
        const Long excess = total - kMaxDots;
        if (oldest.shots <= excess) {
            total -= oldest.shots;
            runs.pop_front();
        } else {
            oldest.firstValue += 2 * static_cast<std::uint64_t>(excess);
            oldest.shots -= excess;
            total = kMaxDots;
        }
    }
    return runs;
}

std::vector<ShootPanelModel::Dot> ShootPanelModel::DotsOf(const std::deque<Run>& runs) {
    std::vector<Dot> dots;
    dots.reserve(static_cast<std::size_t>(kMaxDots));
    CounterSequenceReader sequence;
    for (const Run& run : runs) {
        std::uint64_t value = run.firstValue;
        for (Long shot = 0; shot < run.shots; ++shot, value += 2) {
            const Shot drawn =
                ShotAt([&](std::uint64_t index) { return sequence.ValueAt(index); }, value);
            dots.push_back({drawn.x, drawn.y, drawn.hit});
        }
    }
    return dots;
}

std::string ShootPanelModel::CaptionOf(const ShootState& state) {
    if (state.shootCount < 1) {
        return {};
    }
    const WilsonInterval interval(state.hitCount, state.shootCount);
    return IntervalCaption("95%: ", 4.0 * interval.Lower(), 4.0 * interval.Upper(),
                           DecimalSeparator());
}

}  // namespace quadrix
