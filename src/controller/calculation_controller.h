// The calculation control behind the window: ticks, Start/Stop, Reset and tab selection.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "controller/calculation_window.h"
#include "controller/method.h"
#include "controller/tick_error_prompt.h"
#include "estimators/quadrix.h"
#include "runtime/long_arithmetic.h"

namespace quadrix {

// The calculation control behind the window. Method 1 estimates pi by
// shooting, method 2 by stripes; each has a running flag. Every tick steps the
// running methods by the steps-per-tick text and shows their state; Start/Stop
// and Reset act on the selected method.
//
// An error in a tick stops the method it came from and is shown in one message
// box that says why and how to run it again; while any box is open, ticks do
// nothing, so no second box can follow. An error that leaves a button or a tab
// selection is shown in a box too, and never reaches the toolkit.
class CalculationController {
  public:
    static constexpr const char* kStartCaption = "&Start";
    static constexpr const char* kStopCaption = "&Stop";
    static constexpr const char* kInvalidStepsPrompt = "No valid steps per tick!";

    // Creates a shooting and a stripe estimator; the window must outlive the controller.
    explicit CalculationController(CalculationWindow& window);
    // Drives the given estimators instead, as methods 1 and 2.
    CalculationController(CalculationWindow& window, std::unique_ptr<Quadrix> shooting,
                          std::unique_ptr<Quadrix> stripes);

    // The timer tick.
    void Tick();
    // The Start/Stop button.
    void StartStop();
    // The Reset button.
    void Reset();
    // A tab was selected.
    void SelectTab();

    // By the method's 1-based index; outside 1..2 a BoundsError.
    bool Running(Long method) const;
    // 0 until the window's load sequence selects the first tab.
    Long SelectedMethod() const { return selectedMethod_; }
    Quadrix& Generators(Long method) const;

  private:
    // Notes in `stage` how far it came, for the message should it fail.
    void StepAndShow(Method method, TickStage& stage);
    void StopAfterError(Method method);
    TickErrorScene SceneAfterError(Method method, TickStage stage) const;
    // The button and the lock of the steps field, locked by the Start of `lockedBy`.
    void ShowStartStopState(std::optional<Method> lockedBy);
    void ShowMessage(const std::string& prompt);
    void ShowEventErrors(const std::function<void()>& event);

    CalculationWindow& window_;
    std::array<bool, kMethodCount> running_{};
    Long selectedMethod_ = 0;
    std::optional<Method> stepsLockedBy_;
    std::array<std::unique_ptr<Quadrix>, kMethodCount> generators_;
    bool messageOpen_ = false;
};

}  // namespace quadrix
