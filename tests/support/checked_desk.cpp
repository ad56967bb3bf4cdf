// Drives the calculation controller as its user would and checks what must hold after each action.
#include "support/checked_desk.h"

#include "estimators/quadrix_stripe.h"
#include "support/tick_cost.h"

namespace quadrix::testing {

CheckedDesk::CheckedDesk(FaultHandler onFault) : onFault_(std::move(onFault)) {
    window_.insideBox = [this] { InsideBox(); };
    controller_.SelectTab();
}

void CheckedDesk::TypeSteps(const std::string& text) {
    Act(Action::kOther, [&] { window_.steps = window_.locked ? window_.steps : text; });
}

void CheckedDesk::ClickStartStop() {
    Act(Action::kStartStop, [&] { controller_.StartStop(); });
}

void CheckedDesk::ClickReset() {
    Act(Action::kReset, [&] { controller_.Reset(); });
}

void CheckedDesk::SelectTab(Long method) {
    Act(Action::kOther, [&] {
        window_.tab = method;
        controller_.SelectTab();
    });
}

void CheckedDesk::Tick() {
    Act(Action::kTick, [&] { controller_.Tick(); });
}

std::int64_t CheckedDesk::NextTickCost() const {
    const auto count = [this](Long method) {
        return controller_.Running(method) ? std::optional(controller_.Generators(method).Count())
                                           : std::nullopt;
    };
    return testing::NextTickCost(window_.steps, count(1), count(2));
}

void CheckedDesk::InsideBox() {
    if (++openBoxes_ > 1) {
        onFault_("a second message box opened over the first");
    }
    const Moment before = Now();
    controller_.Tick();
    const Moment after = Now();
    if (!(after == before)) {
        onFault_("a tick while a box was open changed the window or a method");
    }
    --openBoxes_;
}

CheckedDesk::Moment CheckedDesk::Now() const {
    Moment moment{
        window_.caption, window_.locked, window_.outputs, {}, {}, controller_.SelectedMethod()};
    for (const Method method : kMethods) {
        moment.running[SlotOf(method)] = controller_.Running(IndexOf(method));
        moment.counts[SlotOf(method)] = controller_.Generators(IndexOf(method)).Count();
    }
    return moment;
}

void CheckedDesk::Act(Action action, const std::function<void()>& act) {
    const Moment before = Now();
    act();
    const Moment after = Now();
    const std::size_t selected = SlotOf(MethodAt(before.selected));
    bool failed = false;  // a failing method abandons the rest of its tick
    for (const Method each : kMethods) {
        const std::size_t slot = SlotOf(each);
        const std::string method = "method " + std::to_string(IndexOf(each));
        const bool clicked = action == Action::kStartStop && slot == selected;
        const bool started = after.running[slot] && !before.running[slot];
        const bool stopped = !after.running[slot] && before.running[slot];
        if ((started && !clicked) || (stopped && !clicked && action != Action::kTick)) {
            onFault_(method + " changed its running flag on its own");
        }
        if (action == Action::kTick && before.running[slot] && !failed) {
            failed = stopped;
            if (!failed) {
                shownTexts_[slot] = controller_.Generators(IndexOf(each)).StateDescr();
            }
        }
        if (after.outputs[slot] != shownTexts_[slot]) {
            onFault_(method + " shows '" + after.outputs[slot] + "', not its last state '" +
                     shownTexts_[slot] + "'");
        }
        const bool reset = action == Action::kReset && slot == selected;
        const Long initial = each == Method::kShooting ? 0 : QuadrixStripe::kInitialCount;
        if (reset ? after.counts[slot] != initial : after.counts[slot] < before.counts[slot]) {
            onFault_(method + " went back from " + std::to_string(before.counts[slot]) + " to " +
                     std::to_string(after.counts[slot]));
        }
    }
    if (after.running[selected] != before.running[selected]) {
        showsStop_ = after.running[selected];
    }
    if (after.caption != (showsStop_ ? "&Stop" : "&Start") || after.locked != showsStop_) {
        onFault_("caption '" + after.caption + "' and lock " + std::to_string(after.locked) +
                 " are not as the last click left them");
    }
}

}  // namespace quadrix::testing
