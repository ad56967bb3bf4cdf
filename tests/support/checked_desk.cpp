#include "support/checked_desk.h"

#include <algorithm>
#include <limits>

#include "estimators/quadrix_stripe.h"
#include "runtime/errors.h"
#include "runtime/number_parser.h"

namespace quadrix::testing {

void CheckedDesk::TypeSteps(const std::string& text) {
    Act(Action::kType, [&] { Type(text); });
}

void CheckedDesk::ClickStartStop() {
    Act(Action::kStartStop, [&] { PressStartStop(); });
}

void CheckedDesk::ClickReset() {
    Act(Action::kReset, [&] { PressReset(); });
}

void CheckedDesk::SelectTab(Long method) {
    Act(Action::kTab, [&] { PressTab(method); });
}

void CheckedDesk::Tick() {
    Act(Action::kTick, [&] { TimerTick(); });
}

std::int64_t CheckedDesk::NextTickCost() const {
    Long steps = 0;
    try {
        steps = TextToLong(StepsText());
    } catch (const Error&) {
        return 0;  // the tick fails before any step
    }
    const CalculationController& controller = Controller();
    std::int64_t cost = 0;
    if (controller.Running(1) && steps > 0) {
        cost += std::min<std::int64_t>(steps, std::numeric_limits<Long>::max() -
                                                  controller.Generators(1).Count());
    }
    if (controller.Running(2)) {
        std::int64_t stripes = controller.Generators(2).Count();
        for (Long step = 0; step < steps && stripes <= std::numeric_limits<Long>::max(); ++step) {
            stripes *= 2;
        }
        cost += stripes <= std::numeric_limits<Long>::max() ? stripes : 0;  // else it overflows
    }
    return cost;
}

void CheckedDesk::InsideBox() {
    ++boxesShown_;
    if (++openBoxes_ > 1) {
        Fault("a second message box opened over the first");
    }
    const Moment before = Now();
    TimerTick();
    if (!(Now().view == before.view) || Now().counts != before.counts) {
        Fault("a tick while a box was open changed the window or a method");
    }
    --openBoxes_;
}

CheckedDesk::Moment CheckedDesk::Now() const {
    const CalculationController& controller = Controller();
    Moment moment;
    moment.view = Seen();
    moment.selected = controller.SelectedMethod();
    for (Long method = 1; method <= 2; ++method) {
        const auto slot = static_cast<std::size_t>(method - 1);
        moment.running[slot] = controller.Running(method);
        moment.counts[slot] = controller.Generators(method).Count();
    }
    return moment;
}

void CheckedDesk::Act(Action action, const std::function<void()>& act) {
    const Moment before = Now();
    act();
    const Moment after = Now();
    ExpectCaption(action, before, after);
    ExpectOutputs(action, before, after);
    ExpectCounts(action, before, after);
}

void CheckedDesk::ExpectCaption(Action action, const Moment& before, const Moment& after) {
    const auto selected = static_cast<std::size_t>(before.selected - 1);
    for (std::size_t slot = 0; slot < 2; ++slot) {
        const bool mayStart = action == Action::kStartStop && slot == selected;
        const bool mayStop = mayStart || action == Action::kTick;
        if ((after.running[slot] && !before.running[slot] && !mayStart) ||
            (!after.running[slot] && before.running[slot] && !mayStop)) {
            Fault("method " + std::to_string(slot + 1) + " changed its running flag on its own");
        }
    }
    if (after.running[selected] != before.running[selected]) {
        showsStop_ = after.running[selected];
    }
    if (after.view.caption != (showsStop_ ? "&Stop" : "&Start") ||
        after.view.locked != showsStop_) {
        Fault("caption '" + after.view.caption + "' and lock " +
              std::to_string(after.view.locked) + " are not as the last click left them");
    }
}

void CheckedDesk::ExpectOutputs(Action action, const Moment& before, const Moment& after) {
    if (action == Action::kTick) {
        for (std::size_t slot = 0; slot < 2; ++slot) {
            if (!before.running[slot]) {
                continue;
            }
            if (!after.running[slot]) {
                break;  // failed: the rest of the tick was abandoned
            }
            shownTexts_[slot] = Controller().Generators(static_cast<Long>(slot + 1)).StateDescr();
        }
    }
    for (std::size_t slot = 0; slot < 2; ++slot) {
        if (after.view.outputs[slot] != shownTexts_[slot]) {
            Fault("output " + std::to_string(slot + 1) + " shows '" + after.view.outputs[slot] +
                  "' instead of '" + shownTexts_[slot] + "'");
        }
    }
}

void CheckedDesk::ExpectCounts(Action action, const Moment& before, const Moment& after) {
    for (std::size_t slot = 0; slot < 2; ++slot) {
        const bool reset = action == Action::kReset && slot + 1 == static_cast<std::size_t>(before.selected);
        const Long initial = slot == 0 ? 0 : QuadrixStripe::kInitialCount;
        if (reset ? after.counts[slot] != initial : after.counts[slot] < before.counts[slot]) {
            Fault("the count of method " + std::to_string(slot + 1) + " went from " +
                  std::to_string(before.counts[slot]) + " to " +
                  std::to_string(after.counts[slot]));
        }
    }
}

void CheckedDesk::Fault(const std::string& what) {
    onFault_(what);
}

}  // namespace quadrix::testing
