// Names and descriptions for screen readers on controls that have no label to name them.
#pragma once

#include <windows.h>

#include <string_view>

namespace quadrix {

// Dynamic Annotation of a control's own accessible object. Standard controls
// name themselves from their text; panels and fields without a label need
// this. Needs COM on the calling thread; without the service nothing is told.
// (Wine 8 creates the service but answers E_NOTIMPL to every annotation.)
void SetAccessibleName(HWND control, std::string_view name);
void SetAccessibleDescription(HWND control, std::string_view description);
// Before the control goes: the annotation service holds it until told to forget.
void ForgetAccessibleTexts(HWND control);

}  // namespace quadrix
