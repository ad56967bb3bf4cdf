// Tests of where Tab and Shift+Tab move the focus in the main window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panel_models/window_layout.h"
#include "win32_window/tab_order_walk.h"

namespace quadrix {
namespace {

// A stop by its layout name: "txtOutput(2)" for an element of a control array.
std::string NameOf(const FocusStop& stop) {
    for (const ControlDesign& control : kControls) {
        if (control.tabOrder == stop.tabOrder && control.kind != ControlKind::kPictureBox) {
            return stop.method ? ElementName(control, *stop.method) : std::string(control.name);
        }
    }
    return "?";
}

// The names Tab (or Shift+Tab) passes through from no focus, once round and back to the start.
std::vector<std::string> Walk(bool forward, Method selected) {
    const std::vector<FocusStop> stops = FocusStopsOf(kControls);
    std::vector<std::string> names;
    std::optional<std::size_t> at;
    for (int step = 0; step < 6; ++step) {
        at = NextFocusStop(stops, at, forward, selected);
        names.push_back(NameOf(stops[*at]));
    }
    return names;
}

// The stacking order puts the steps field first and the tab control last, and a
// page change moves a page to the front; the focus goes by the tab order all
// the same, past the panels and the page behind.
TEST(TabOrderWalk, FollowsTheTabOrderOfTheSelectedPage) {
    struct Case {
        bool forward;
        Method selected;
        std::vector<std::string> names;
    };
    for (const Case& walk : {
             Case{true,
                  Method::kShooting,
                  {"tabMethod", "cmdStartStop", "cmdReset", "txtOutput(1)", "txtStepsPerTick",
                   "tabMethod"}},
             Case{true,
                  Method::kStripes,
                  {"tabMethod", "cmdStartStop", "cmdReset", "txtOutput(2)", "txtStepsPerTick",
                   "tabMethod"}},
             Case{false,
                  Method::kStripes,
                  {"txtStepsPerTick", "txtOutput(2)", "cmdReset", "cmdStartStop", "tabMethod",
                   "txtStepsPerTick"}},
         }) {
        EXPECT_EQ(Walk(walk.forward, walk.selected), walk.names)
            << "forward " << walk.forward << ", method " << IndexOf(walk.selected);
    }
}

// From the field of the page behind (its page was just left) to the selected page's neighbours.
TEST(TabOrderWalk, LeavesThePageBehindForTheSelectedOne) {
    const std::vector<FocusStop> stops = FocusStopsOf(kControls);
    std::size_t behind = 0;
    while (!(stops[behind].method == Method::kShooting)) {
        ++behind;
    }
    EXPECT_EQ(NameOf(stops[NextFocusStop(stops, behind, true, Method::kStripes)]), "tabMethod");
    EXPECT_EQ(NameOf(stops[NextFocusStop(stops, behind, false, Method::kStripes)]),
              "txtStepsPerTick");
}

}  // namespace
}  // namespace quadrix
