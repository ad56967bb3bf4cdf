// The calculation controller against a window without widgets.
#include "controller/calculation_controller.h"

#include <gtest/gtest.h>

#include <exception>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

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

// Fails as told until Reset, as real estimators do only after billions of shots.
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
    void Reset() override {
        atStep = atState = nullptr;
        QuadrixStripe::Reset();
    }
    std::exception_ptr atStep;
    std::exception_ptr atState;
};

struct ErrorCase {
    Long method;
    std::exception_ptr atStep;
    std::exception_ptr atState;
    const char* actions;  // the last tick fails
    const char* prompt;
    const char* advised;  // the clicks the prompt names
};

const ErrorCase kErrorCases[] = {
    {2, std::make_exception_ptr(Overflow()), nullptr, "tab=2 steps=1 start tick",
     "Overflow\n\nPi per stripe stopped: the number of stripes cannot double beyond "
     "1073741824.\nTo run it again: press Reset (back to 4 stripes), then press Start.",
     "reset start"},
    {1, std::make_exception_ptr(Overflow()), nullptr, "tab=1 steps=1 start tab=2 start tick",
     "Overflow\n\nPi per shoot stopped: the shots cannot go past 2147483647.\nTo run it again: "
     "select the tab \"Pi per shoot\", press Reset (back to no shots), then press Start/Stop, "
     "which reads \"Stop\".",
     "tab=1 reset start"},
    {1, nullptr, std::make_exception_ptr(Overflow()), "tab=1 steps=1 start tab=2 tick",
     "Overflow\n\nPi per shoot stopped: the hits times 4 no longer fit a Long (after about 684 "
     "million shots).\nTo run it again: select the tab \"Pi per shoot\", press Reset (back to no "
     "shots), then press Start/Stop, which reads \"Stop\".",
     "tab=1 reset start"},
    {1, nullptr, nullptr, "tab=1 steps=0 start tick",
     "Invalid floating-point operation\n\nPi per shoot stopped: it has no estimate yet (0/0): it "
     "was stepped by 0 or fewer shots before its first shot.\nTo run it again: enter a positive "
     "number of steps per tick, then press Start.",
     "steps=5 start"},
    // The steps stay locked by the method that stopped: only its next failure frees them.
    {1, nullptr, nullptr, "tab=1 steps=0 start tab=2 tick",
     "Invalid floating-point operation\n\nPi per shoot stopped: it has no estimate yet (0/0): it "
     "was stepped by 0 or fewer shots before its first shot.\nTo run it again: select the tab "
     "\"Pi per shoot\", press Start/Stop (this message comes back, and the steps field is free), "
     "enter a positive number of steps per tick, then press Start.",
     "tab=1 start tick steps=5 start"},
    {1, nullptr, nullptr, "tab=1 steps=1 start tab=2 start start steps=3000000000 start tick",
     "Overflow\n\nPi per shoot stopped: the steps per tick spell a number beyond "
     "-2147483648..2147483647.\nTo run it again: press Stop, select the tab \"Pi per shoot\", fix "
     "the steps per tick, then press Start.",
     "start tab=1 steps=5 start"},
    {1, nullptr, nullptr, "tab=1 steps=1 start tab=2 start start steps=x tick",
     "Type mismatch\n\nPi per shoot stopped: the steps per tick no longer spell a number.\nTo run "
     "it again: select the tab \"Pi per shoot\", fix the steps per tick, then press Start.",
     "tab=1 steps=5 start"},
    {2, nullptr, std::make_exception_ptr(DivisionByZero()), "tab=2 steps=1 start tick",
     "Division by zero\n\nPi per stripe stopped.\nTo run it again: press Reset, then press Start.",
     "reset start"},
};

TEST(CalculationController, ATickErrorPromptsClicksThatRunTheMethodAgain) {
    for (const ErrorCase& c : kErrorCases) {
        SCOPED_TRACE(c.actions);
        auto failing = std::make_unique<FailingEstimator>();
        failing->atStep = c.atStep;
        failing->atState = c.atState;
        auto shooting = c.method == 1 && (c.atStep || c.atState)
                            ? std::unique_ptr<Quadrix>(std::move(failing))
                            : std::make_unique<QuadrixShoot>();
        auto stripes = c.method == 2 ? std::unique_ptr<Quadrix>(std::move(failing))
                                     : std::make_unique<QuadrixStripe>();
        Session session(std::move(shooting), std::move(stripes));
        session.Run(c.actions);
        ASSERT_FALSE(session.window.prompts.empty());
        EXPECT_EQ(session.window.prompts.front(), c.prompt);
        EXPECT_FALSE(session.controller.Running(c.method));
        session.Run(std::string(c.advised) + " tick");
        EXPECT_TRUE(session.controller.Running(c.method));
    }
}

TEST(CalculationController, ButtonsBeforeTheFirstTabSelectionShowABoundsError) {
    RecordingWindow window;
    CalculationController controller(window);
    controller.StartStop();
    controller.Reset();
    controller.Tick();
    EXPECT_EQ(window.log, std::vector<std::string>(2, "box Subscript out of range"));
    EXPECT_EQ(controller.SelectedMethod(), 0);
    EXPECT_THROW(controller.Running(0), BoundsError);
}

}  // namespace
}  // namespace quadrix::testing
