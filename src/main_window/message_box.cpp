#include "main_window/message_box.h"

#include <QMessageBox>

namespace quadrix {

void MessageBox::Show(QWidget* parent, const QString& prompt) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kTitle), prompt, QMessageBox::Ok,
                    parent);
    box.exec();
}

}  // namespace quadrix
