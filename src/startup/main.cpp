// The program: a Qt application that runs the start-up routine and then its event loop.
#include <QApplication>

#include "startup/mod_main.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The name of the installed desktop entry, which Wayland compositors get
    // as the window's app id and use to find the program's name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.zekt.quadrix"));
    quadrix::modMain::Main();
    return QApplication::exec();
}
