#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "main_window/frm_main.h"

// Lets GoogleTest print texts in its failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace quadrix::testing {

// A loaded and shown window whose message boxes are recorded instead of shown.
// Its timer is stopped: the tests run the ticks themselves, one at a time.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window_ = new frmMain;
        window_->SetMessageShower([this](const QString& prompt) { prompts_.append(prompt); });
        window_->show();
        window_->tmrCalc()->stop();
    }

    void TearDown() override {
        if (!window_.isNull()) {
            window_->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    frmMain& Window() { return *window_; }

    // Types into the steps field as a user would: a locked field takes nothing.
    void TypeSteps(const QString& text) {
        QLineEdit* field = window_->txtStepsPerTick();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }

    void ClickStartStop() { QTest::mouseClick(window_->cmdStartStop(), Qt::LeftButton); }
    void ClickReset() { QTest::mouseClick(window_->cmdReset(), Qt::LeftButton); }

    void SelectTab(Long method) {
        QTabBar* tabs = window_->tabMethod()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier,
                          tabs->tabRect(static_cast<int>(method - 1)).center());
    }

    // Selects the method's tab, types the steps and presses Start.
    void StartMethod(Long method, const QString& text) {
        SelectTab(method);
        TypeSteps(text);
        ASSERT_EQ(window_->txtStepsPerTick()->text(), text) << "the steps field is locked";
        ClickStartStop();
        ASSERT_TRUE(Window().Running(method)) << "method " << method << " did not start";
    }

    void Tick() { window_->tmrCalc_Timer(); }

    QString Output(Long method) { return window_->txtOutput(method)->toPlainText(); }
    QString Caption() { return window_->cmdStartStop()->text(); }
    bool StepsLocked() { return window_->txtStepsPerTick()->isReadOnly(); }

    // Shows the window on the screen and makes it the active one, as keyboard input needs.
    void Activate() {
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.data()));
    }

    // The widget the user sees at a point of the client area.
    QWidget* VisibleAt(const QPoint& point) { return window_->centralWidget()->childAt(point); }

    static bool WaitUntil(const std::function<bool()>& condition, int milliseconds = 5000) {
        return QTest::qWaitFor(condition, milliseconds);
    }

    QPointer<frmMain> window_;
    QStringList prompts_;
};

}  // namespace quadrix::testing
