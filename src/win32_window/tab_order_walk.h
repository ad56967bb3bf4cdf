// Where Tab and Shift+Tab move the focus: the layout's tab order, not the stacking order.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "controller/method.h"
#include "panel_models/window_layout.h"

namespace quadrix {

// A control that can take the focus: one element of a control array, or a single control.
struct FocusStop {
    int tabOrder;
    std::optional<Method> method;  // the element's method; none for a single control
};

// The controls of the layout that take the focus, in the layout's order, each
// element of a control array on its own. The panels take none.
std::vector<FocusStop> FocusStopsOf(std::span<const ControlDesign> controls);

// The stop Tab (forward) or Shift+Tab moves the focus to from `current`, round
// and round the tab order; from none or from the page behind, the first or the
// last. The page behind, the elements of the method not selected, is skipped.
std::size_t NextFocusStop(std::span<const FocusStop> stops, std::optional<std::size_t> current,
                          bool forward, Method selected);

}  // namespace quadrix
