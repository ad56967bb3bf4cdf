// The calculation control behind the window: ticks, Start/Stop, Reset and tab selection.
#include "controller/calculation_controller.h"

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
    for (const Method method : kMethods) {
        if (!running_[SlotOf(method)]) {
            continue;
        }
        auto stage = TickStage::kReadSteps;
        try {
            StepAndShow(method, stage);
        } catch (const Error& error) {
            // Stopped first, so that the failure shows once and not at every tick.
            StopAfterError(method);
            ShowMessage(TickErrorPrompt(SceneAfterError(method, stage), error));
            return;
        }
    }
}

void CalculationController::StartStop() {
    ShowEventErrors([this] {
        const Method method = MethodAt(selectedMethod_);
        bool& running = running_[SlotOf(method)];
        if (!running && !IsNumeric(window_.StepsText())) {
            ShowMessage(kInvalidStepsPrompt);
            return;
        }
        running = !running;
        ShowStartStopState(running ? std::optional(method) : std::nullopt);
    });
}

void CalculationController::Reset() {
    ShowEventErrors([this] {
        const Method method = MethodAt(selectedMethod_);
        generators_[SlotOf(method)]->Reset();
        // Like the output field, the drawing keeps the old run until the next tick.
        window_.ForgetRun(method);
    });
}

void CalculationController::SelectTab() {
    ShowEventErrors([this] {
        selectedMethod_ = window_.SelectedTabIndex();
        window_.BringPageToFront(MethodAt(selectedMethod_));
    });
}

bool CalculationController::Running(Long method) const {
    return running_[SlotOf(MethodAt(method))];
}

Quadrix& CalculationController::Generators(Long method) const {
    return *generators_[SlotOf(MethodAt(method))];
}

void CalculationController::StepAndShow(Method method, TickStage& stage) {
    Quadrix& generator = *generators_[SlotOf(method)];
    const Long steps = TextToLong(window_.StepsText());
    stage = TickStage::kStep;
    generator.DoStep(steps);
    stage = TickStage::kState;
    const EstimatorState state = generator.State();
    window_.SetOutputText(method, StateText::Describe(state));
    window_.ShowState(method, state);
}

void CalculationController::StopAfterError(Method method) {
    running_[SlotOf(method)] = false;
    if (IndexOf(method) == selectedMethod_) {
        ShowStartStopState(std::nullopt);
    }
}

TickErrorScene CalculationController::SceneAfterError(Method method, TickStage stage) const {
    return {method, stage, selectedMethod_, stepsLockedBy_,
            stepsLockedBy_ && running_[SlotOf(*stepsLockedBy_)]};
}

void CalculationController::ShowStartStopState(std::optional<Method> lockedBy) {
    stepsLockedBy_ = lockedBy;
    window_.LockSteps(lockedBy.has_value());
    window_.SetStartStopCaption(lockedBy ? kStopCaption : kStartCaption);
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

void CalculationController::ShowEventErrors(const std::function<void()>& event) {
    try {
        event();
    } catch (const Error& error) {
        ShowMessage(EventErrorPrompt(error));
    }
}

}  // namespace quadrix
