// The calculation controller against a window without widgets.
#include "controller/calculation_controller.h"

#include <gtest/gtest.h>

#include <exception>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "controller/tick_error_prompt.h"
#include "estimators/quadrix_shoot.h"
#include "estimators/quadrix_stripe.h"
#include "runtime/errors.h"
#include "support/recording_window.h"

namespace quadrix::testing {
namespace {

// A loaded window's controller; like a toolkit, the window ticks while a box is open.
struct Session {
    Session() : Session(std::make_unique<QuadrixShoot>(), std::make_unique<QuadrixStripe>()) {}
    Session(std::unique_ptr<Quadrix> shooting, std::unique_ptr<Quadrix> stripes)
        : controller(window, std::move(shooting), std::move(stripes)) {
        controller.SelectTab();
        window.insideBox = [this] {
            if (window.openBoxes < 3) {
                controller.Tick();
                controller.Tick();
            }
        };
        window.log.clear();
    }

    // Runs "steps=<text>", "tab=<index>", "start" (Start/Stop), "reset" and "tick";
    // returns the calls they made.
    std::string Run(const std::string& actions) {
        std::istringstream words(actions);
        for (std::string action; words >> action;) {
            if (action.starts_with("steps=")) {
                window.steps = action.substr(6);
            } else if (action.starts_with("tab=")) {
                window.tab = std::stoi(action.substr(4));
                controller.SelectTab();
            } else {
                (action == "start"   ? controller.StartStop()
                 : action == "reset" ? controller.Reset()
                                     : controller.Tick());
            }
        }
        std::string calls;
        for (const std::string& call : window.log) {
            calls += (calls.empty() ? "" : "; ") + call;
        }
        return calls;
    }

    RecordingWindow window;
    CalculationController controller;
};

struct Case {
    const char* actions;
    const char* calls;
    bool running1;
    bool running2;
};

const Case kCases[] = {
    // Start asks for a number; stopping is never validated.
    {"start steps= start steps=10 start steps=abc start tick",
     "box No valid steps per tick!; box No valid steps per tick!; lock; caption &Stop; unlock; "
     "caption &Start",
     false, false},
    // The steps text is read anew at every tick.
    {"steps=10 start tick steps=4 tick",
     "lock; caption &Stop; out1 ShootCount: 10; draw1 10; out1 ShootCount: 14; draw1 14", true,
     false},
    // Both run, method 1 first; the buttons act on the selected one and a tab
    // switch keeps caption and lock of the last click.
    {"steps=2 start tab=2 start tick tab=1 start",
     "lock; caption &Stop; front2; lock; caption &Stop; out1 ShootCount: 2; draw1 2; out2 "
     "Count:      16; draw2 16; front1; unlock; caption &Start",
     false, true},
    // Reset shows at the method's next tick, running or not.
    {"tab=2 steps=1 start tick tick reset tick start reset tick",
     "front2; lock; caption &Stop; out2 Count:      8; draw2 8; out2 Count:      16; draw2 16; "
     "forget2; out2 Count:      8; draw2 8; unlock; caption &Start; forget2",
     false, false},
    // A failing method stops and abandons the rest of its tick.
    {"tab=2 steps=0 start tab=1 start tick tick",
     "front2; lock; caption &Stop; front1; lock; caption &Stop; unlock; caption &Start; box "
     "Invalid floating-point operation; out2 Count:      4; draw2 4",
     false, true},
    // A method behind fails without touching caption and lock.
    {"tab=2 steps=30 start tab=1 start tick tick",
     "front2; lock; caption &Stop; front1; lock; caption &Stop; out1 ShootCount: 30; draw1 30; "
     "box Overflow; out1 ShootCount: 60; draw1 60",
     true, false},
    // Each method reports its own failure, one box at a time.
    {"tab=2 steps=3000000000 start tab=1 start tick tick tick",
     "front2; lock; caption &Stop; front1; lock; caption &Stop; unlock; caption &Start; box "
     "Overflow; box Overflow",
     false, false},
};

TEST(CalculationController, ActionsMakeTheirWindowCalls) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.actions);
        Session session;
        EXPECT_EQ(session.Run(c.actions), c.calls);
        EXPECT_EQ(session.controller.Running(1), c.running1);
        EXPECT_EQ(session.controller.Running(2), c.running2);
        EXPECT_LE(session.window.mostOpenBoxes, 1);
    }
}

// Fails as told, as real estimators do only after billions of shots.
struct FailingEstimator : QuadrixStripe {
    void DoStep(Long steps) override {
        if (atStep) {
            std::rethrow_exception(atStep);
        }
        QuadrixStripe::DoStep(steps);
    }
    EstimatorState State() const override {
        if (atState) {
            std::rethrow_exception(atState);
        }
        return QuadrixStripe::State();
    }
    std::exception_ptr atStep;
    std::exception_ptr atState;
};

// The prompt for an error from the given stage of the method's tick.
std::string PromptFor(Long method, TickStage stage, const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const Error& raised) {
        return TickErrorPrompt(MethodAt(method), stage, raised);
    }
}

struct ErrorCase {
    Long method;
    const char* steps;
    std::exception_ptr atStep;
    std::exception_ptr atState;
    TickStage stage;
    std::exception_ptr shown;
};

const ErrorCase kErrorCases[] = {
    {2, "1", std::make_exception_ptr(Overflow()), nullptr, TickStage::kStep,
     std::make_exception_ptr(Overflow())},
    {1, "1", nullptr, std::make_exception_ptr(InvalidOperation()), TickStage::kState,
     std::make_exception_ptr(InvalidOperation())},
    {2, "-2147483649", nullptr, nullptr, TickStage::kReadSteps,
     std::make_exception_ptr(Overflow())},
    {1, "x", nullptr, nullptr, TickStage::kReadSteps, std::make_exception_ptr(ConversionError())},
};

TEST(CalculationController, ATickErrorStopsTheMethodWithThePromptForItsStage) {
    for (const ErrorCase& c : kErrorCases) {
        const std::string prompt = PromptFor(c.method, c.stage, c.shown);
        SCOPED_TRACE(prompt);
        auto failing = std::make_unique<FailingEstimator>();
        failing->atStep = c.atStep;
        failing->atState = c.atState;
        auto other = std::make_unique<QuadrixStripe>();
        Session session = c.method == 1 ? Session(std::move(failing), std::move(other))
                                        : Session(std::move(other), std::move(failing));
        session.window.steps = "1";
        session.Run("tab=" + std::to_string(c.method) + " start steps=" + c.steps + " tick");
        EXPECT_EQ(session.window.prompts, std::vector<std::string>{prompt});
        EXPECT_FALSE(session.controller.Running(c.method));
    }
}

}  // namespace
}  // namespace quadrix::testing
