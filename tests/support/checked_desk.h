#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "main_window/controller/calculation_controller.h"

namespace quadrix::testing {

// A window with its controller, driven as its user drives it, that checks after
// every action what must hold whatever the actions were:
// - at most one message box is open, and a tick while it is open changes nothing;
// - caption and lock are as the last Start/Stop click, or the last error stop of
//   the then-selected method, left them;
// - each output shows the text its estimator gave at that method's last
//   successful tick (a reset leaves the old text until the next tick);
// - counters only grow between resets, and running flags change only by a
//   Start/Stop of the selected method or an error stop in a tick.
// A subclass provides the window: one without widgets, or the real one.
class CheckedDesk {
  public:
    using FaultHandler = std::function<void(const std::string& fault)>;

    explicit CheckedDesk(FaultHandler onFault) : onFault_(std::move(onFault)) {}
    virtual ~CheckedDesk() = default;

    // A locked steps field takes no typing.
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
    int BoxesShown() const { return boxesShown_; }
    virtual const CalculationController& Controller() const = 0;

  protected:
    // What the user sees: the window's texts, lines joined by CR LF.
    struct View {
        std::string caption;
        bool locked = false;
        std::array<std::string, 2> outputs;
        bool operator==(const View&) const = default;
    };

    virtual View Seen() const = 0;
    virtual std::string StepsText() const = 0;
    virtual void Type(const std::string& text) = 0;
    virtual void PressStartStop() = 0;
    virtual void PressReset() = 0;
    virtual void PressTab(Long method) = 0;
    virtual void TimerTick() = 0;

    // The subclass's message box calls this while it is open; it delivers a tick,
    // as a toolkit's nested event loop would, and checks that nothing changed.
    void InsideBox();

  private:
    struct Moment {
        View view;
        std::array<bool, 2> running{};
        std::array<Long, 2> counts{};
        Long selected = 0;
    };
    enum class Action { kStartStop, kReset, kTick, kOther };

    Moment Now() const;
    void Act(Action action, const std::function<void()>& act);
    void Fault(const std::string& what);

    FaultHandler onFault_;
    bool showsStop_ = false;
    std::array<std::string, 2> shownTexts_;
    int openBoxes_ = 0;
    int boxesShown_ = 0;
};

}  // namespace quadrix::testing
