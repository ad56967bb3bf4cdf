#include <QApplication>

#include "startup/mod_main.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    quadrix::modMain::Main();
    return QApplication::exec();
}
