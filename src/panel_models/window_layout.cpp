// The main window as designed: lookups and the names of a control array's elements.
#include "panel_models/window_layout.h"

#include <algorithm>
#include <stdexcept>

namespace quadrix {

const ControlDesign& ControlNamed(std::string_view name) {
    const auto* found = std::find_if(kControls.begin(), kControls.end(),
                                     [name](const ControlDesign& c) { return c.name == name; });
    if (found == kControls.end()) {
        throw std::invalid_argument("no control " + std::string(name) + " in the layout");
    }
    return *found;
}

std::string ElementName(const ControlDesign& control, Method method) {
    return std::string(control.name) + "(" + std::to_string(IndexOf(method)) + ")";
}

std::string AccessibleName(const ControlDesign& control, Method method) {
    if (!control.perMethod) {
        return std::string(control.accessibleName);
    }
    return std::string(MethodName(method)) + " " + std::string(control.accessibleName);
}

}  // namespace quadrix
