#pragma once

#include <QMainWindow>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "main_window/controller/calculation_controller.h"
#include "main_window/controller/calculation_window.h"
#include "main_window/method_panel.h"
#include "runtime/long_arithmetic.h"

class QAction;
class QCloseEvent;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTimer;

namespace quadrix {

// The program's only window, "ZEKT Quadrix": a tab and a page (panel and output
// field) per method, Start/Stop and Reset, the steps-per-tick field, the menu
// and the 100 ms timer. What the buttons, tabs and timer do is the calculation
// controller's; the window hands it their events and offers it its widgets.
//
// Methods are addressed by their 1-based index, like the tabs. The window deletes
// itself when it is closed, so create it with new.
class frmMain : public QMainWindow, private CalculationWindow {
    Q_OBJECT

  public:
    static constexpr Long kMethodCount = CalculationController::kMethodCount;
    static constexpr int kTickMilliseconds = 100;

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
    bool IsMessageOpen() const { return controller_->IsMessageOpen(); }
    const CalculationController& Controller() const { return *controller_; }

    QTabWidget* tabMethod() const { return tabMethod_; }
    MethodPanel* picOutput(Long method) const;
    QPlainTextEdit* txtOutput(Long method) const;
    QPushButton* cmdStartStop() const { return cmdStartStop_; }
    QPushButton* cmdReset() const { return cmdReset_; }
    QLineEdit* txtStepsPerTick() const { return txtStepsPerTick_; }
    QTimer* tmrCalc() const { return tmrCalc_; }
    QMenu* mnuFile() const { return mnuFile_; }
    QAction* mnuFileExit() const { return mnuFileExit_; }

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

    void CreateDesign();
    void CreateMenu();
    void CreateControls(QWidget* clientArea);
    void SetTabOrder();
    MethodPanel* CreatePicOutput(Long method) const;
    QPlainTextEdit* CreateTxtOutput(Long method) const;
    void LoadPage(Long method);
    void ClearTabs();

    // What the controller sees of the window.
    std::string StepsText() const override;
    void LockSteps(bool locked) override;
    void SetStartStopCaption(const std::string& caption) override;
    void SetOutputText(Long method, const std::string& text) override;
    void BringPageToFront(Long method) override;
    Long SelectedTabIndex() const override;
    void ShowMessage(const std::string& prompt) override;
    void ShowState(Long method, const EstimatorState& state) override;
    void ForgetRun(Long method) override;

    static std::size_t Slot(Long method);

    std::unique_ptr<CalculationController> controller_;

    QTabWidget* tabMethod_ = nullptr;
    std::array<MethodPanel*, kMethodCount> picOutput_{};
    std::array<QPlainTextEdit*, kMethodCount> txtOutput_{};
    QPushButton* cmdStartStop_ = nullptr;
    QPushButton* cmdReset_ = nullptr;
    QLineEdit* txtStepsPerTick_ = nullptr;
    QTimer* tmrCalc_ = nullptr;
    QMenu* mnuFile_ = nullptr;
    QAction* mnuFileExit_ = nullptr;

    bool loaded_ = false;
    MessageShower showMessage_;
};

}  // namespace quadrix
