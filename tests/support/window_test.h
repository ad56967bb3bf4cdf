// A shown main window for the window suites, its controls found by their design names.
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

#include <stdexcept>

#include "main_window/frm_main.h"

namespace quadrix::testing {

// The child of that objectName, or an exception that fails the test.
template <class Widget>
Widget* Find(const QObject& root, const QString& name) {
    auto* found = root.findChild<Widget*>(name);
    if (found == nullptr) {
        throw std::logic_error("no control " + name.toStdString());
    }
    return found;
}

// "txtOutput(2)".
inline QString Element(const char* array, Long method) {
    return QStringLiteral("%1(%2)").arg(QString::fromUtf8(array)).arg(method);
}

// A shown window whose message boxes are recorded; the tests run the ticks.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window_ = new frmMain;
        window_->SetMessageShower([this](const QString& prompt) { prompts_.append(prompt); });
        window_->show();
        Find<QTimer>(*window_, "tmrCalc")->stop();
    }

    void TearDown() override {
        if (!window_.isNull()) {
            window_->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    frmMain& Window() { return *window_; }
    QTabWidget* Tabs() { return Find<QTabWidget>(*window_, "tabMethod"); }
    QPushButton* StartStop() { return Find<QPushButton>(*window_, "cmdStartStop"); }
    QPushButton* ResetButton() { return Find<QPushButton>(*window_, "cmdReset"); }
    QLineEdit* Steps() { return Find<QLineEdit>(*window_, "txtStepsPerTick"); }
    QPlainTextEdit* OutputField(Long method) {
        return Find<QPlainTextEdit>(*window_, Element("txtOutput", method));
    }
    QWidget* Panel(Long method) { return Find<QWidget>(*window_, Element("picOutput", method)); }

    // Types into the steps field as a user would: a locked field takes nothing.
    void TypeSteps(const QString& text) {
        QTest::keyClick(Steps(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(Steps(), Qt::Key_Delete);
        QTest::keyClicks(Steps(), text);
    }

    void ClickStartStop() { QTest::mouseClick(StartStop(), Qt::LeftButton); }

    void SelectTab(Long method) {
        QTabBar* tabs = Tabs()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {},
                          tabs->tabRect(TabPositionOf(MethodAt(method))).center());
    }

    void StartMethod(Long method, const QString& text) {
        SelectTab(method);
        TypeSteps(text);
        ClickStartStop();
        ASSERT_TRUE(Window().Running(method)) << "method " << method << " did not start";
    }

    void Tick() { window_->tmrCalc_Timer(); }

    QString Output(Long method) { return OutputField(method)->toPlainText(); }

    // The widget the user sees at a point of the client area.
    QWidget* VisibleAt(const QPoint& point) { return window_->centralWidget()->childAt(point); }

    QPointer<frmMain> window_;
    QStringList prompts_;
};

}  // namespace quadrix::testing
