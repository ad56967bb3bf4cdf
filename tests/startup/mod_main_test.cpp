// Start-up and shutdown: one window, counted, released when the count reaches 0.
#include "startup/mod_main.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "support/window_test.h"

namespace quadrix::testing {
namespace {

class ModMainTest : public ::testing::Test {
  protected:
    void TearDown() override {
        if (!modMain::MainWindowRef.isNull()) {
            modMain::MainWindowRef->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        modMain::MainWindowRef = nullptr;
        modMain::OpenWindowCount = 0;
    }

    // Starts the program, both methods running, does `end`; the exit status, 99 if stuck.
    static int RunProgramUntil(const std::function<void(frmMain& window)>& end) {
        QTimer::singleShot(0, [&end] {
            modMain::Main();
            frmMain& window = *modMain::MainWindowRef;
            Find<QLineEdit>(window, "txtStepsPerTick")->setText("5");
            Find<QPushButton>(window, "cmdStartStop")->click();
            Find<QTabWidget>(window, "tabMethod")->setCurrentIndex(1);
            Find<QPushButton>(window, "cmdStartStop")->click();
            EXPECT_TRUE(window.Running(1) && window.Running(2));
            end(window);
        });
        QTimer stuck;
        QObject::connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        stuck.start(10000);
        return QApplication::exec();
    }
};

TEST_F(ModMainTest, WindowGoesOnlyWhenTheCountReachesZero) {
    QPointer<frmMain> window = &modMain::MainWindow();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(modMain::OpenWindowCount, 0);
    modMain::Main();
    EXPECT_EQ(modMain::OpenWindowCount, 1);
    EXPECT_EQ(modMain::MainWindowRef.data(), window.data());
    EXPECT_TRUE(window->isVisible());

    modMain::TrackWindow(false);
    modMain::TrackWindow(true);
    EXPECT_EQ(modMain::OpenWindowCount, 1);
    EXPECT_TRUE(window->isVisible());
    modMain::TrackWindow(true);
    EXPECT_EQ(modMain::OpenWindowCount, 0);
    EXPECT_TRUE(modMain::MainWindowRef.isNull());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(ModMainTest, ExitWhileBothMethodsRunEndsWithStatusZero) {
    const std::vector<std::pair<std::function<void(frmMain&)>, Long>> ways = {
        {[](frmMain& window) { Find<QAction>(window, "mnuFileExit")->trigger(); }, 0},
        // The frame's close button bypasses the count; the window is unloaded all the same.
        {[](frmMain& window) { window.windowHandle()->close(); }, 1}};
    for (const auto& [endProgram, countAfter] : ways) {
        const auto& end = endProgram;  // a lambda cannot capture a structured binding
        QPointer<frmMain> window;
        EXPECT_EQ(RunProgramUntil([&](frmMain& shown) {
                      window = &shown;
                      end(shown);
                  }),
                  0);
        EXPECT_EQ(modMain::OpenWindowCount, countAfter);
        EXPECT_TRUE(modMain::MainWindowRef.isNull());
        EXPECT_TRUE(window.isNull()) << "the window and its estimators were not released";
    }
}

}  // namespace
}  // namespace quadrix::testing
