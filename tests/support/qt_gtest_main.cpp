// GoogleTest inside a QApplication, for the suites that need widgets.
#include <QApplication>
#include <QByteArray>

#include <gtest/gtest.h>

// Real windows that need no display.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
