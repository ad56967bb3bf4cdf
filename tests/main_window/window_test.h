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

#include "main_window/frm_main.h"

namespace quadrix::testing {

// A shown window whose message boxes are recorded; the tests run the ticks.
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
        QTest::keyClick(window_->txtStepsPerTick(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(window_->txtStepsPerTick(), Qt::Key_Delete);
        QTest::keyClicks(window_->txtStepsPerTick(), text);
    }

    void ClickStartStop() { QTest::mouseClick(window_->cmdStartStop(), Qt::LeftButton); }

    void SelectTab(Long method) {
        QTabBar* tabs = window_->tabMethod()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(int(method - 1)).center());
    }

    void StartMethod(Long method, const QString& text) {
        SelectTab(method);
        TypeSteps(text);
        ClickStartStop();
        ASSERT_TRUE(Window().Running(method)) << "method " << method << " did not start";
    }

    void Tick() { window_->tmrCalc_Timer(); }

    QString Output(Long method) { return window_->txtOutput(method)->toPlainText(); }

    // The widget the user sees at a point of the client area.
    QWidget* VisibleAt(const QPoint& point) { return window_->centralWidget()->childAt(point); }

    QPointer<frmMain> window_;
    QStringList prompts_;
};

}  // namespace quadrix::testing
