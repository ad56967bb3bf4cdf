#include <QApplication>
#include <QByteArray>

#include <gtest/gtest.h>

// Runs the GoogleTest suites inside a QApplication on the offscreen platform, so
// that windows are real but need no display.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
