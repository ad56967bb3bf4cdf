#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "main_window/controller/calculation_controller.h"
#include "support/recording_window.h"

namespace quadrix::testing {
namespace {

// A loaded window's controller: method 1 selected, as after the load. A
// toolkit keeps ticking while a box is open; so does this window.
struct Session {
    Session() {
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
                window.tab = std::stol(action.substr(4));
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
    CalculationController controller{window};
};

struct Case {
    const char* name;
    const char* actions;
    std::vector<std::string> log;
    bool running1;
    bool running2;
};

const Case kCases[] = {
    {"start without a number asks for one", "start steps= start",
     {"box No valid steps per tick!", "box No valid steps per tick!"}, false, false},
    {"ten shots a tick", "steps=10 start tick tick",
     {"lock", "caption &Stop", "out1 ShootCount: 10", "draw1 10", "out1 ShootCount: 20",
      "draw1 20"},
     true, false},
    {"stopping is never validated", "steps=10 start steps=abc start tick",
     {"lock", "caption &Stop", "unlock", "caption &Start"}, false, false},
    {"steps of 0 or less leave the stripes", "tab=2 steps=0 start tick steps=-3 tick",
     {"front2", "lock", "caption &Stop", "out2 Count:      4", "draw2 4", "out2 Count:      4",
      "draw2 4"},
     false, true},
    {"steps text read anew at every tick", "steps=3 start tick steps=4 tick",
     {"lock", "caption &Stop", "out1 ShootCount: 3", "draw1 3", "out1 ShootCount: 7", "draw1 7"},
     true, false},
    {"both run, method 1 first, the button acts on the selected one",
     "steps=2 start tab=2 start tick tab=1",
     {"lock", "caption &Stop", "front2", "lock", "caption &Stop", "out1 ShootCount: 2", "draw1 2",
      "out2 Count:      16", "draw2 16", "front1"},
     true, true},
    {"a tab switch keeps caption and lock of the last click", "steps=2 start tab=2 tab=1 start",
     {"lock", "caption &Stop", "front2", "front1", "unlock", "caption &Start"}, false, false},
    {"reset of a running method shows at its next tick", "tab=2 steps=1 start tick tick reset tick",
     {"front2", "lock", "caption &Stop", "out2 Count:      8", "draw2 8", "out2 Count:      16",
      "draw2 16", "forget2", "out2 Count:      8", "draw2 8"},
     false, true},
    {"reset of a stopped method shows nothing", "steps=1 start tick start reset tick",
     {"lock", "caption &Stop", "out1 ShootCount: 1", "draw1 1", "unlock", "caption &Start",
      "forget1"},
     false, false},
    {"0/0 before the first shot stops the method", "steps=0 start tick tick",
     {"lock", "caption &Stop", "unlock", "caption &Start", "box Invalid floating-point operation"},
     false, false},
    {"a method behind fails without touching caption and lock",
     "tab=2 steps=30 start tab=1 start tick tick",
     {"front2", "lock", "caption &Stop", "front1", "lock", "caption &Stop", "out1 ShootCount: 30",
      "draw1 30", "box Overflow", "out1 ShootCount: 60", "draw1 60"},
     true, false},
    {"a failure abandons the tick, each method reports its own",
     "tab=2 steps=3000000000 start tab=1 start tick tick tick",
     {"front2", "lock", "caption &Stop", "front1", "lock", "caption &Stop", "unlock",
      "caption &Start", "box Overflow", "box Overflow"},
     false, false},
    {"steps text that no longer spells a number", "steps=5 start steps=x tick",
     {"lock", "caption &Stop", "unlock", "caption &Start", "box Type mismatch"}, false, false},
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

}  // namespace
}  // namespace quadrix::testing
