#pragma once

#include <array>
#include <memory>
#include <string>

#include "estimators/quadrix.h"
#include "main_window/controller/calculation_window.h"
#include "main_window/controller/tick_error_prompt.h"
#include "runtime/long_arithmetic.h"

namespace quadrix {

// The calculation control behind the window. Method 1 estimates pi by
// shooting, method 2 by stripes; each has a running flag. Every tick steps the
// running methods by the steps-per-tick text and shows their state; Start/Stop
// and Reset act on the selected method.
//
// An error in a tick stops the method it came from and is shown in one message
// box that says why; while any box is open, ticks do nothing, so no second box
// can follow.
class CalculationController {
  public:
    static constexpr Long kMethodCount = 2;
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

    bool Running(Long method) const;
    Long SelectedMethod() const { return selectedMethod_; }
    Quadrix& Generators(Long method) const;
    bool IsMessageOpen() const { return messageOpen_; }

  private:
    // Notes in `stage` how far it came, for the message should it fail.
    void StepAndShow(Long method, TickErrorPrompt::Stage& stage);
    void StopAfterError(Long method);
    void ShowStartStopState(bool running);
    void ShowMessage(const std::string& prompt);

    static std::size_t Slot(Long method);

    CalculationWindow& window_;
    std::array<bool, kMethodCount> running_{};
    Long selectedMethod_ = 0;
    std::array<std::unique_ptr<Quadrix>, kMethodCount> generators_;
    bool messageOpen_ = false;
};

}  // namespace quadrix
