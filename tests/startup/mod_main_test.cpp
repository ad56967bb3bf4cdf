#include "startup/mod_main.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "runtime/errors.h"

namespace quadrix::testing {
namespace {

constexpr int kStuck = 99;

// Each test starts from the module's initial state and leaves no window behind.
class ModMain : public ::testing::Test {
  protected:
    void TearDown() override {
        if (!modMain::MainWindowRef.isNull()) {
            modMain::MainWindowRef->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        modMain::MainWindowRef = nullptr;
        modMain::OpenWindowCount = 0;
    }

    // Runs the program's event loop, doing `action` once it runs; returns its exit status.
    static int RunEventLoop(const std::function<void()>& action) {
        QTimer start;
        start.setSingleShot(true);
        QObject::connect(&start, &QTimer::timeout, action);
        QTimer stuck;
        stuck.setSingleShot(true);
        QObject::connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(kStuck); });
        start.start(0);
        stuck.start(10000);
        return QApplication::exec();
    }

    static void StartBothMethods(frmMain& window) {
        window.txtStepsPerTick()->setText("5");
        window.cmdStartStop()->click();
        window.tabMethod()->setCurrentIndex(1);
        window.cmdStartStop()->click();
        ASSERT_TRUE(window.Running(1));
        ASSERT_TRUE(window.Running(2));
    }
};

TEST_F(ModMain, InitialStateHasNoWindow) {
    EXPECT_EQ(modMain::OpenWindowCount, 0);
    EXPECT_TRUE(modMain::MainWindowRef.isNull());
}

TEST_F(ModMain, MainCountsCreatesLoadsAndShowsTheWindow) {
    modMain::Main();
    EXPECT_EQ(modMain::OpenWindowCount, 1);
    ASSERT_FALSE(modMain::MainWindowRef.isNull());
    frmMain& window = *modMain::MainWindowRef;
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.tabMethod()->count(), 2);
    EXPECT_EQ(window.SelectedMethod(), 1);
    EXPECT_TRUE(window.tmrCalc()->isActive());
}

TEST_F(ModMain, MainWindowIsCreatedOnceAndNotShown) {
    frmMain& first = modMain::MainWindow();
    frmMain& second = modMain::MainWindow();
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(modMain::MainWindowRef.data(), &first);
    EXPECT_FALSE(first.isVisible());
    EXPECT_EQ(modMain::OpenWindowCount, 0);
}

TEST_F(ModMain, TrackWindowUnloadsOnlyWhenTheCountReachesZero) {
    modMain::Main();
    QPointer<frmMain> window = modMain::MainWindowRef.data();
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

TEST_F(ModMain, TrackWindowCountIsOverflowChecked) {
    modMain::OpenWindowCount = std::numeric_limits<Long>::max();
    EXPECT_THROW(modMain::TrackWindow(false), Overflow);
}

TEST_F(ModMain, ExitFromTheMenuWhileBothMethodsRunEndsWithStatusZero) {
    QPointer<frmMain> window;
    const int status = RunEventLoop([&window] {
        modMain::Main();
        window = modMain::MainWindowRef.data();
        StartBothMethods(*window);
        window->mnuFileExit()->trigger();
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(modMain::OpenWindowCount, 0);
    EXPECT_TRUE(modMain::MainWindowRef.isNull());
    EXPECT_TRUE(window.isNull()) << "the window and its estimators were not released";
}

TEST_F(ModMain, ExitThroughTheAccessKeysEndsWithStatusZero) {
    const int status = RunEventLoop([] {
        modMain::Main();
        frmMain* window = modMain::MainWindowRef.data();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_D, Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitFor([window] { return window->mnuFile()->isVisible(); }));
        QTest::keyClick(window->mnuFile(), Qt::Key_E);
    });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(modMain::MainWindowRef.isNull());
}

TEST_F(ModMain, ClosingTheFrameEndsWithStatusZero) {
    QPointer<frmMain> window;
    const int status = RunEventLoop([&window] {
        modMain::Main();
        window = modMain::MainWindowRef.data();
        StartBothMethods(*window);
        window->windowHandle()->close();  // as the frame's close button does
    });
    EXPECT_EQ(status, 0);
    // The frame bypasses the count; the window is unloaded all the same.
    EXPECT_EQ(modMain::OpenWindowCount, 1);
    EXPECT_TRUE(window.isNull());
}

}  // namespace
}  // namespace quadrix::testing
