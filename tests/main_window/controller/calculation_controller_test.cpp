#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "estimators/quadrix_shoot.h"
#include "estimators/quadrix_stripe.h"
#include "main_window/controller/calculation_controller.h"
#include "runtime/errors.h"
#include "support/recording_window.h"

namespace quadrix::testing {
namespace {

// A loaded window's controller: method 1 selected, as after the load. A
// toolkit keeps ticking while a box is open; so does this window.
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

    // Space-separated actions: "steps=<text>", "tab=<index>", "start" (the
    // Start/Stop button), "reset" and "tick".
    void Run(const std::string& actions) {
        std::istringstream words(actions);
        for (std::string action; words >> action;) {
            if (action.starts_with("steps=")) {
                window.steps = action.substr(6);
            } else if (action.starts_with("tab=")) {
                window.tab = std::stoi(action.substr(4));
                controller.SelectTab();
            } else if (action == "start") {
                controller.StartStop();
            } else if (action == "reset") {
                controller.Reset();
            } else if (action == "tick") {
                controller.Tick();
            } else {
                ADD_FAILURE() << "unknown action " << action;
            }
        }
    }

    RecordingWindow window;
    CalculationController controller;
};

struct Case {
    const char* name;
    const char* actions;
    std::vector<std::string> log;
    bool running1;
    bool running2;
};

const Case kCases[] = {
    {"start without a number asks for one",
     "start steps= start",
     {"box No valid steps per tick!", "box No valid steps per tick!"},
     false,
     false},
    {"ten shots a tick",
     "steps=10 start tick tick",
     {"lock", "caption &Stop", "out1 ShootCount: 10", "draw1 10", "out1 ShootCount: 20",
      "draw1 20"},
     true,
     false},
    {"stopping is never validated",
     "steps=10 start steps=abc start tick",
     {"lock", "caption &Stop", "unlock", "caption &Start"},
     false,
     false},
    {"steps of 0 or less leave the stripes",
     "tab=2 steps=0 start tick steps=-3 tick",
     {"front2", "lock", "caption &Stop", "out2 Count:      4", "draw2 4", "out2 Count:      4",
      "draw2 4"},
     false,
     true},
    {"steps text read anew at every tick",
     "steps=3 start tick steps=4 tick",
     {"lock", "caption &Stop", "out1 ShootCount: 3", "draw1 3", "out1 ShootCount: 7", "draw1 7"},
     true,
     false},
    {"both run, method 1 first, the button acts on the selected one",
     "steps=2 start tab=2 start tick tab=1",
     {"lock", "caption &Stop", "front2", "lock", "caption &Stop", "out1 ShootCount: 2", "draw1 2",
      "out2 Count:      16", "draw2 16", "front1"},
     true,
     true},
    {"a tab switch keeps caption and lock of the last click",
     "steps=2 start tab=2 tab=1 start",
     {"lock", "caption &Stop", "front2", "front1", "unlock", "caption &Start"},
     false,
     false},
    {"reset of a running method shows at its next tick",
     "tab=2 steps=1 start tick tick reset tick",
     {"front2", "lock", "caption &Stop", "out2 Count:      8", "draw2 8", "out2 Count:      16",
      "draw2 16", "forget2", "out2 Count:      8", "draw2 8"},
     false,
     true},
    {"reset of a stopped method shows nothing",
     "steps=1 start tick start reset tick",
     {"lock", "caption &Stop", "out1 ShootCount: 1", "draw1 1", "unlock", "caption &Start",
      "forget1"},
     false,
     false},
    {"0/0 before the first shot stops the method and abandons the tick",
     "tab=2 steps=0 start tab=1 start tick tick",
     {"front2", "lock", "caption &Stop", "front1", "lock", "caption &Stop", "unlock",
      "caption &Start", "box Invalid floating-point operation", "out2 Count:      4", "draw2 4"},
     false,
     true},
    {"a method behind fails without touching caption and lock",
     "tab=2 steps=30 start tab=1 start tick tick",
     {"front2", "lock", "caption &Stop", "front1", "lock", "caption &Stop", "out1 ShootCount: 30",
      "draw1 30", "box Overflow", "out1 ShootCount: 60", "draw1 60"},
     true,
     false},
    {"a failure abandons the tick, each method reports its own",
     "tab=2 steps=3000000000 start tab=1 start tick tick tick",
     {"front2", "lock", "caption &Stop", "front1", "lock", "caption &Stop", "unlock",
      "caption &Start", "box Overflow", "box Overflow"},
     false,
     false},
    {"steps text that no longer spells a number",
     "steps=5 start steps=x tick",
     {"lock", "caption &Stop", "unlock", "caption &Start", "box Type mismatch"},
     false,
     false},
};

TEST(Controller, ActionsGiveTheirCallsAndRunningFlags) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        Session session;
        session.Run(c.actions);
        EXPECT_EQ(session.window.log, c.log);
        EXPECT_EQ(session.controller.Running(1), c.running1);
        EXPECT_EQ(session.controller.Running(2), c.running2);
        EXPECT_LE(session.window.mostOpenBoxes, 1);
    }
}

TEST(Controller, OutputIsTheStateTextAndTheDrawingGetsItsValues) {
    Session session;
    session.Run("tab=2 steps=3 start tick");
    const Quadrix& stripes = session.controller.Generators(2);
    EXPECT_EQ(session.window.outputs[1], stripes.StateDescr());
    EXPECT_EQ(stripes.Count(), 32);
    EXPECT_EQ(session.window.outputs[0], "");
}

// An estimator that fails where it is told to, for errors that real ones reach
// only after billions of shots.
class FailingEstimator : public QuadrixStripe {
  public:
    std::function<void()> failStep = [] {};
    std::function<void()> failState = [] {};

    void DoStep(Long steps) override {
        failStep();
        QuadrixStripe::DoStep(steps);
    }
    EstimatorState State() const override {
        failState();
        return QuadrixStripe::State();
    }
};

struct ErrorCase {
    const char* cause;
    Long method;
    const char* steps;
    std::function<void(FailingEstimator&)> fail;
    std::string prompt;
};

const ErrorCase kErrorCases[] = {
    {"stripes cannot double", 2, "1",
     [](FailingEstimator& e) { e.failStep = [] { throw Overflow(); }; },
     "Overflow\n\nPi per stripe stopped: the number of stripes cannot double beyond "
     "1073741824.\nPress Reset to start again from 4 stripes."},
    {"shots cannot go on", 1, "1",
     [](FailingEstimator& e) { e.failStep = [] { throw Overflow(); }; },
     "Overflow\n\nPi per shoot stopped: the shots cannot go past 2147483647.\nPress Reset to "
     "start again from no shots."},
    {"hits times 4", 1, "1", [](FailingEstimator& e) { e.failState = [] { throw Overflow(); }; },
     "Overflow\n\nPi per shoot stopped: the hits times 4 no longer fit a Long (after about 684 "
     "million shots).\nPress Reset to start again from no shots."},
    {"steps beyond Long", 2, "-2147483649", [](FailingEstimator&) {},
     "Overflow\n\nPi per stripe stopped: the steps per tick spell a number beyond "
     "-2147483648..2147483647.\nFix the steps per tick, then press Start."},
    {"steps no number", 1, "x", [](FailingEstimator&) {},
     "Type mismatch\n\nPi per shoot stopped: the steps per tick no longer spell a number.\nFix "
     "the steps per tick, then press Start."},
    {"no estimate yet", 1, "0",
     [](FailingEstimator& e) { e.failState = [] { throw InvalidOperation(); }; },
     "Invalid floating-point operation\n\nPi per shoot stopped: it has no estimate yet (0/0): "
     "it was stepped by 0 or fewer shots before its first shot.\nEnter a positive number of "
     "steps per tick, then press Start."},
    {"any other fault", 2, "1",
     [](FailingEstimator& e) { e.failState = [] { throw DivisionByZero(); }; },
     "Division by zero\n\nPi per stripe stopped. Press Reset to start it again."},
};

TEST(Controller, ATickErrorSaysWhichMethodStoppedWhyAndWhatToDo) {
    for (const ErrorCase& c : kErrorCases) {
        SCOPED_TRACE(c.cause);
        auto failing = std::make_unique<FailingEstimator>();
        c.fail(*failing);
        std::unique_ptr<Quadrix> other = std::make_unique<QuadrixStripe>();
        Session session = c.method == 1 ? Session(std::move(failing), std::move(other))
                                        : Session(std::move(other), std::move(failing));
        session.window.steps = "1";
        session.Run("tab=" + std::to_string(c.method) + " start steps=" + c.steps + " tick");
        EXPECT_EQ(session.window.prompts, std::vector<std::string>{c.prompt});
        EXPECT_FALSE(session.controller.Running(c.method));
    }
}

}  // namespace
}  // namespace quadrix::testing
