// The program's message box: the prompt, one OK button, no icon, titled "Quadrix".
#include "main_window/message_box.h"

#include <QMessageBox>

namespace quadrix {

void ShowMessageBox(QWidget* parent, const QString& prompt) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kMessageBoxTitle), prompt,
                    QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace quadrix
