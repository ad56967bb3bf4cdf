// Drives the calculation controller as its user would and checks what must hold after each action.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "controller/calculation_controller.h"
#include "controller/method.h"
#include "support/recording_window.h"

namespace quadrix::testing {

// A controller on a window without widgets whose message boxes run a tick inside them,
// as a toolkit's nested event loop does. After every action it checks what must hold of
// a run: at most one box is open and a tick while it is open changes nothing; caption and
// lock are as the last Start/Stop click or error stop of the then-selected method left
// them; each output shows its estimator's text from that method's last successful tick;
// counters only grow between resets; running flags change only by a Start/Stop of the
// selected method or an error stop in a tick.
class CheckedDesk {
  public:
    using FaultHandler = std::function<void(const std::string& fault)>;

    explicit CheckedDesk(FaultHandler onFault);

    // A locked field takes nothing.
    void TypeSteps(const std::string& text);
    void ClickStartStop();
    void ClickReset();
    void SelectTab(Long method);
    void Tick();

    // Shots fired plus stripes summed by the next tick, up to where it stops.
    std::int64_t NextTickCost() const;

  private:
    struct Moment {
        std::string caption;
        bool locked = false;
        std::array<std::string, kMethodCount> outputs;
        std::array<bool, kMethodCount> running{};
        std::array<Long, kMethodCount> counts{};
        Long selected = 0;
        bool operator==(const Moment&) const = default;
    };
    enum class Action { kStartStop, kReset, kTick, kOther };

    Moment Now() const;
    void Act(Action action, const std::function<void()>& act);
    void InsideBox();

    FaultHandler onFault_;
    RecordingWindow window_;
    CalculationController controller_{window_};
    bool showsStop_ = false;
    std::array<std::string, kMethodCount> shownTexts_;
    int openBoxes_ = 0;
};

}  // namespace quadrix::testing
