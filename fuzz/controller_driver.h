#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "runtime/long_arithmetic.h"

namespace quadrix {
class frmMain;
class QuadrixShoot;
}  // namespace quadrix

namespace quadrix::fuzzing {

// Drives a shown window as its user would (typing into the steps field,
// clicking the buttons and the tabs) and runs its timer ticks one at a time,
// keeping a model of what the window must show afterwards. After every action
// it compares window and model and reports each difference as a fault.
//
// A message box is answered at once; while it is open, a timer tick arrives,
// as it would in the box's own event loop, and must change nothing.
class ControllerDriver {
  public:
    using FaultHandler = std::function<void(const std::string& fault)>;

    // Takes over the window's message box and stops its timer.
    ControllerDriver(frmMain& window, FaultHandler onFault);

    void TypeSteps(const QString& text);
    void ClickStartStop();
    void ClickReset();
    void SelectTab(Long method);
    void Tick();
    // Lets the window handle what is pending, painting among it.
    void ProcessEvents();

    // Shots fired plus stripes summed by the next tick, up to where it stops.
    std::int64_t NextTickCost() const;

    Long SelectedMethod() const { return model_.selected; }
    bool Running(Long method) const;
    int MessagesShown() const { return static_cast<int>(prompts_.size()); }
    int FaultCount() const { return faults_; }

  private:
    struct Model {
        std::array<bool, 2> running{};
        Long selected = 1;
        bool showsStop = false;  // caption and lock as the last Start/Stop left them
        Long shootCount = 0;
        Long stripeCount = 4;
        std::array<QString, 2> countLine;  // the count line each output must show
        QStringList prompts;
    };

    void OnMessage(const QString& prompt);
    void ExpectTick();
    bool ExpectShootStep(Long steps);
    bool ExpectStripeStep(Long steps);
    void ExpectStopWithMessage(Long method, const char* message);
    QString StepsText() const;
    QuadrixShoot& Shooting() const;

    void Check(const char* action);
    void CheckControls(const QString& where);
    void CheckCounters(const QString& where);
    void CheckOutputs(const QString& where);
    void Fault(const QString& where, const QString& what);

    frmMain& window_;
    FaultHandler onFault_;
    Model model_;
    QStringList prompts_;
    int openMessages_ = 0;
    int faults_ = 0;
};

}  // namespace quadrix::fuzzing
