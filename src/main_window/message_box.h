// The program's message box: the prompt, one OK button, no icon, titled "Quadrix".
#pragma once

#include <QString>

class QWidget;

namespace quadrix {

inline constexpr const char* kMessageBoxTitle = "Quadrix";

// Modal: returns when the user has closed the box.
void ShowMessageBox(QWidget* parent, const QString& prompt);

}  // namespace quadrix
