// Drives a window and its controller as a user would and checks what must hold after each action.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "controller/method.h"
#include "estimators/quadrix.h"
#include "runtime/long_arithmetic.h"

namespace quadrix::testing {

// A window (a subclass provides it) with its controller, driven as its user drives it,
// that checks after every action: at most one box is open and a tick while it is open
// changes nothing; caption and lock are as the last Start/Stop click or error stop of
// the then-selected method left them; each output shows its estimator's text from that
// method's last successful tick; counters only grow between resets; running flags
// change only by a Start/Stop of the selected method or an error stop in a tick.
class CheckedDesk {
  public:
    using FaultHandler = std::function<void(const std::string& fault)>;

    explicit CheckedDesk(FaultHandler onFault) : onFault_(std::move(onFault)) {}
    virtual ~CheckedDesk() = default;

    void TypeSteps(const std::string& text) {
        Act(Action::kOther, [&] { Type(text); });
    }
    void ClickStartStop() {
        Act(Action::kStartStop, [&] { PressStartStop(); });
    }
    void ClickReset() {
        Act(Action::kReset, [&] { PressReset(); });
    }
    void SelectTab(Long method) {
        Act(Action::kOther, [&] { PressTab(method); });
    }
    void Tick() {
        Act(Action::kTick, [&] { TimerTick(); });
    }

    // Shots fired plus stripes summed by the next tick, up to where it stops.
    std::int64_t NextTickCost() const;

    // The window's own members, by the method's 1-based index.
    virtual bool Running(Long method) const = 0;
    virtual Long SelectedMethod() const = 0;
    virtual Quadrix& Generators(Long method) const = 0;

  protected:
    // What the user sees: the window's texts, lines joined by CR LF.
    struct View {
        std::string caption;
        bool locked = false;
        std::array<std::string, kMethodCount> outputs;
        bool operator==(const View&) const = default;
    };

    virtual View Seen() const = 0;
    virtual std::string StepsText() const = 0;
    virtual void Type(const std::string& text) = 0;  // a locked field takes nothing
    virtual void PressStartStop() = 0;
    virtual void PressReset() = 0;
    virtual void PressTab(Long method) = 0;
    virtual void TimerTick() = 0;

    // The subclass's open message box calls this: a tick, as in a nested event loop.
    void InsideBox();

  private:
    struct Moment {
        View view;
        std::array<bool, kMethodCount> running{};
        std::array<Long, kMethodCount> counts{};
        Long selected = 0;
        bool operator==(const Moment&) const = default;
    };
    enum class Action { kStartStop, kReset, kTick, kOther };

    Moment Now() const;
    void Act(Action action, const std::function<void()>& act);

    FaultHandler onFault_;
    bool showsStop_ = false;
    std::array<std::string, kMethodCount> shownTexts_;
    int openBoxes_ = 0;
};

}  // namespace quadrix::testing
