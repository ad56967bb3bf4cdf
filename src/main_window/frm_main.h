// The program's only window: tabs, pages, buttons, the steps field, the menu and the timer.
#pragma once

#include <QMainWindow>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "controller/calculation_controller.h"
#include "controller/calculation_window.h"
#include "controller/method.h"
#include "runtime/long_arithmetic.h"

class QCloseEvent;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTimer;

namespace quadrix {

class MethodPanel;
struct ControlDesign;

// "ZEKT Quadrix": a tab and a page (panel and output field) per method, Start/Stop
// and Reset, the steps-per-tick field, the menu and the 100 ms timer, laid out as
// the layout table says. What the buttons, tabs and timer do is the calculation
// controller's; the window hands it their events.
//
// Every control carries its design name as its objectName ("cmdStartStop",
// "txtOutput(2)"). The window deletes itself when it is closed, so create it with new.
class frmMain : public QMainWindow, private CalculationWindow {
    Q_OBJECT

  public:
    // Shows a modal message; returns when the user has closed it.
    using MessageShower = std::function<void(const QString& prompt)>;

    frmMain();
    ~frmMain() override;

    // The first time the window is shown it is loaded (Form_Load) before it appears.
    void setVisible(bool visible) override;

    void tmrCalc_Timer();
    void cmdStartStop_Click();
    void cmdReset_Click();
    void tabMethod_Click();
    void mnuFileExit_Click();

    bool Running(Long method) const { return controller_->Running(method); }
    Long SelectedMethod() const { return controller_->SelectedMethod(); }
    Quadrix& Generators(Long method) const { return controller_->Generators(method); }

    // Replaces the modal message box, for instance by a recorder in tests.
    void SetMessageShower(MessageShower shower);

  signals:
    // The menu's exit item was chosen; the start-up module ends the program on it.
    void ExitChosen();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Form_Initialize();
    void Form_Load();

    void CreateMenu();
    void CreateControls(QWidget* clientArea);
    QWidget* CreateControl(const ControlDesign& control, Method method, QWidget* clientArea);

    // What the controller sees of the window.
    std::string StepsText() const override;
    void LockSteps(bool locked) override;
    void SetStartStopCaption(const std::string& caption) override;
    void SetOutputText(Method method, const std::string& text) override;
    void BringPageToFront(Method method) override;
    Long SelectedTabIndex() const override;
    void ShowMessage(const std::string& prompt) override;
    void ShowState(Method method, const EstimatorState& state) override;
    void ForgetRun(Method method) override;

    std::unique_ptr<CalculationController> controller_;

    QTabWidget* tabMethod_ = nullptr;
    std::array<MethodPanel*, kMethodCount> picOutput_{};
    std::array<QPlainTextEdit*, kMethodCount> txtOutput_{};
    QPushButton* cmdStartStop_ = nullptr;
    QPushButton* cmdReset_ = nullptr;
    QLineEdit* txtStepsPerTick_ = nullptr;
    QTimer* tmrCalc_ = nullptr;

    bool loaded_ = false;
    MessageShower showMessage_;
};

}  // namespace quadrix
