// The main window as designed: the names of a control array's elements.
#include "panel_models/window_layout.h"

namespace quadrix {

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
