#pragma once

#include <QMainWindow>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "estimators/quadrix.h"
#include "main_window/method_panel.h"
#include "runtime/long_arithmetic.h"

class QAction;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTimer;

namespace quadrix {

// The program's only window, "ZEKT Quadrix", and the calculation control behind
// it. Method 1 estimates pi by shooting, method 2 by stripes; each has a tab, a
// page (panel and output field) and a running flag. Every 100 ms the timer steps
// the running methods by the steps-per-tick text and shows their state. Start/Stop
// and Reset act on the selected method.
//
// Methods are addressed by their 1-based index, like the tabs. The window deletes
// itself when it is closed, so create it with new.
class frmMain : public QMainWindow {
    Q_OBJECT

  public:
    static constexpr Long kMethodCount = 2;
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

    bool Running(Long method) const;
    Long SelectedMethod() const { return selectedMethod_; }
    Quadrix& Generators(Long method) const;

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
    bool IsMessageOpen() const { return messageOpen_; }

  signals:
    // The menu's exit item was chosen; the start-up module ends the program on it.
    void ExitChosen();

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
    void BringPageToFront(Long method);

    void StepAndShow(Long method);
    void StopAfterError(Long method);
    void ShowStartStopState(bool running);
    void ShowMessage(const QString& prompt);
    std::string StepsText() const;

    static std::size_t Slot(Long method);

    std::array<bool, kMethodCount> running_{};
    Long selectedMethod_ = 0;
    std::array<std::unique_ptr<Quadrix>, kMethodCount> generators_;

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
    bool messageOpen_ = false;
    MessageShower showMessage_;
};

}  // namespace quadrix
