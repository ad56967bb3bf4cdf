// What the calculation controller needs of its window, and nothing more.
#pragma once

#include <string>

#include "controller/method.h"
#include "estimators/estimator_state.h"
#include "runtime/long_arithmetic.h"

namespace quadrix {

// What the calculation controller needs of its window, and nothing more.
class CalculationWindow {
  public:
    virtual ~CalculationWindow() = default;

    // The text of the steps-per-tick field.
    virtual std::string StepsText() const = 0;
    // A locked steps field can be read but not edited.
    virtual void LockSteps(bool locked) = 0;
    // The caption of the Start/Stop button; "&" marks the access key.
    virtual void SetStartStopCaption(const std::string& caption) = 0;
    // Replaces the text of the method's output field.
    virtual void SetOutputText(Method method, const std::string& text) = 0;
    // Brings the method's panel and then its output field to the front.
    virtual void BringPageToFront(Method method) = 0;
    // The 1-based index of the selected tab.
    virtual Long SelectedTabIndex() const = 0;
    // A modal message with one OK button; returns when the user has closed it.
    virtual void ShowMessage(const std::string& prompt) = 0;

    // The method's drawing takes the state its output field has just been given.
    virtual void ShowState(Method method, const EstimatorState& state) = 0;
    // The method was reset; its drawing keeps the old run until the next state.
    virtual void ForgetRun(Method method) = 0;
};

}  // namespace quadrix
