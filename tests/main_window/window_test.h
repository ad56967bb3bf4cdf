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

#include "estimators/quadrix_shoot.h"
#include "main_window/frm_main.h"
#include "main_window/shoot_panel.h"
#include "main_window/stripe_panel.h"

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
    const ShootPanelModel& ShootDrawing() {
        return qobject_cast<ShootPanel*>(window_->picOutput(1))->Model();
    }
    const StripePanelModel& StripeDrawing() {
        return qobject_cast<StripePanel*>(window_->picOutput(2))->Model();
    }

    // Makes the window the active one, as keyboard input needs.
    void Activate() {
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.data()));
    }

    // The widget the user sees at a point of the client area.
    QWidget* VisibleAt(const QPoint& point) { return window_->centralWidget()->childAt(point); }

    QPointer<frmMain> window_;
    QStringList prompts_;
};

}  // namespace quadrix::testing
