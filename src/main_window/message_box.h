#pragma once

#include <QString>

class QWidget;

namespace quadrix {

// The program's message box: the prompt, one OK button, no icon, titled with the
// program's name. Modal: it returns when the user has closed it.
class MessageBox {
  public:
    static constexpr const char* kTitle = "Quadrix";

    static void Show(QWidget* parent, const QString& prompt);
};

}  // namespace quadrix
