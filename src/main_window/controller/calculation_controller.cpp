#include "main_window/controller/calculation_controller.h"

#include <stdexcept>
#include <utility>

#include "estimators/quadrix_shoot.h"
#include "estimators/quadrix_stripe.h"
#include "estimators/state_text.h"
#include "runtime/errors.h"
#include "runtime/number_parser.h"

namespace quadrix {

CalculationController::CalculationController(CalculationWindow& window)
    : CalculationController(window, std::make_unique<QuadrixShoot>(),
                            std::make_unique<QuadrixStripe>()) {}

CalculationController::CalculationController(CalculationWindow& window,
                                             std::unique_ptr<Quadrix> shooting,
                                             std::unique_ptr<Quadrix> stripes)
    : window_(window), generators_{std::move(shooting), std::move(stripes)} {}

void CalculationController::Tick() {
    // A modal box runs a nested event loop that keeps delivering ticks.
    if (messageOpen_) {
        return;
    }
    for (Long method = 1; method <= kMethodCount; ++method) {
        if (!Running(method)) {
            continue;
        }
        auto stage = TickErrorPrompt::Stage::kReadSteps;
        try {
            StepAndShow(method, stage);
        } catch (const Error& error) {
            // Stopped first, so that the failure shows once and not at every tick.
            StopAfterError(method);
            ShowMessage(TickErrorPrompt::Text(method, stage, error));
            return;
        }
    }
}

void CalculationController::StartStop() {
    const std::size_t slot = Slot(selectedMethod_);
    if (!running_[slot] && !IsNumeric(window_.StepsText())) {
        ShowMessage(kInvalidStepsPrompt);
        return;
    }
    running_[slot] = !running_[slot];
    ShowStartStopState(running_[slot]);
}

void CalculationController::Reset() {
    Generators(selectedMethod_).Reset();
    // Like the output field, the drawing keeps the old run until the next tick.
    window_.ForgetRun(selectedMethod_);
}

void CalculationController::SelectTab() {
    selectedMethod_ = window_.SelectedTabIndex();
    window_.BringPageToFront(selectedMethod_);
}

bool CalculationController::Running(Long method) const {
    return running_[Slot(method)];
}

Quadrix& CalculationController::Generators(Long method) const {
    return *generators_[Slot(method)];
}

void CalculationController::StepAndShow(Long method, TickErrorPrompt::Stage& stage) {
    Quadrix& generator = Generators(method);
    const Long steps = TextToLong(window_.StepsText());
    stage = TickErrorPrompt::Stage::kStep;
    generator.DoStep(steps);
    stage = TickErrorPrompt::Stage::kState;
    const EstimatorState state = generator.State();
    window_.SetOutputText(method, StateText::Describe(state));
    window_.ShowState(method, state);
}

void CalculationController::StopAfterError(Long method) {
    running_[Slot(method)] = false;
    if (method == selectedMethod_) {
        ShowStartStopState(false);
    }
}

void CalculationController::ShowStartStopState(bool running) {
    window_.LockSteps(running);
    window_.SetStartStopCaption(running ? kStopCaption : kStartCaption);
}

void CalculationController::ShowMessage(const std::string& prompt) {
    messageOpen_ = true;
    try {
        window_.ShowMessage(prompt);
    } catch (...) {
        messageOpen_ = false;
        throw;
    }
    messageOpen_ = false;
}

std::size_t CalculationController::Slot(Long method) {
    if (method < 1 || method > kMethodCount) {
        throw std::out_of_range("method index outside 1.." + std::to_string(kMethodCount));
    }
    return static_cast<std::size_t>(method - 1);
}

}  // namespace quadrix
