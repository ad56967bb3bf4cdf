// Where Tab and Shift+Tab move the focus: the layout's tab order, not the stacking order.
#include "win32_window/tab_order_walk.h"

#include <algorithm>
#include <stdexcept>

namespace quadrix {

std::vector<FocusStop> FocusStopsOf(std::span<const ControlDesign> controls) {
    std::vector<FocusStop> stops;
    for (const ControlDesign& control : controls) {
        if (control.kind == ControlKind::kPictureBox) {
            continue;
        }
        if (!control.perMethod) {
            stops.push_back({control.tabOrder, std::nullopt});
            continue;
        }
        for (const Method method : kMethods) {
            stops.push_back({control.tabOrder, method});
        }
    }
    return stops;
}

std::size_t NextFocusStop(std::span<const FocusStop> stops, std::optional<std::size_t> current,
                          bool forward, Method selected) {
    // The selected page's elements and the single controls, by tab order.
    std::vector<std::size_t> order;
    for (std::size_t stop = 0; stop < stops.size(); ++stop) {
        if (!stops[stop].method.has_value() || *stops[stop].method == selected) {
            order.push_back(stop);
        }
    }
    if (order.empty()) {
        throw std::invalid_argument("no control takes the focus");
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return stops[a].tabOrder < stops[b].tabOrder;
    });
    const auto here =
        current.has_value() ? std::find(order.begin(), order.end(), *current) : order.end();
    if (here == order.end()) {
        return forward ? order.front() : order.back();
    }
    const std::size_t position = static_cast<std::size_t>(here - order.begin());
    const std::size_t count = order.size();
    return order[forward ? (position + 1) % count : (position + count - 1) % count];
}

}  // namespace quadrix
