#include "controller_driver.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <limits>

#include "estimators/quadrix_shoot.h"
#include "estimators/quadrix_stripe.h"
#include "main_window/frm_main.h"
#include "runtime/errors.h"
#include "runtime/number_parser.h"

namespace quadrix::fuzzing {
namespace {

constexpr Long kLongMax = std::numeric_limits<Long>::max();
// From this many hits on, four times the hits no longer fit a Long.
constexpr Long kFirstOverflowingHitCount = 536870912;
constexpr Long kLargestStripeCount = 1073741824;
constexpr int kMostDoublings = 31;

const char* const kInvalidStepsPrompt = "No valid steps per tick!";

QString Text(const char* text) {
    return QString::fromUtf8(text);
}

QString OutputLine(const QString& output, int index) {
    return output.split(QLatin1Char('\n')).value(index);
}

// The number of stripes after that many doublings, or 0 if one of them overflows.
Long DoubledStripeCount(Long count, Long doublings) {
    if (doublings <= 0) {
        return count;
    }
    const std::int64_t doubled = std::int64_t{count} << std::min<Long>(doublings, kMostDoublings);
    return doubled > kLargestStripeCount ? 0 : static_cast<Long>(doubled);
}

}  // namespace

ControllerDriver::ControllerDriver(frmMain& window, FaultHandler onFault)
    : window_(window), onFault_(std::move(onFault)) {
    window_.tmrCalc()->stop();
    window_.SetMessageShower([this](const QString& prompt) { OnMessage(prompt); });
    model_.selected = window_.SelectedMethod();
    Check("start");
}

void ControllerDriver::TypeSteps(const QString& text) {
    QLineEdit* field = window_.txtStepsPerTick();
    const QString before = field->text();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    for (const QChar character : text) {
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
    }
    const QString expected = model_.showsStop ? before : text;
    if (field->text() != expected) {
        Fault(QStringLiteral("typing \"%1\"").arg(text),
              QStringLiteral("the steps field holds \"%1\", not \"%2\"")
                  .arg(field->text(), expected));
    }
    Check("typing");
}

void ControllerDriver::ClickStartStop() {
    const std::size_t slot = static_cast<std::size_t>(model_.selected - 1);
    const bool refused = !model_.running[slot] && !IsNumeric(StepsText().toStdString());
    QTest::mouseClick(window_.cmdStartStop(), Qt::LeftButton);
    if (refused) {
        model_.prompts.append(Text(kInvalidStepsPrompt));
    } else {
        model_.running[slot] = !model_.running[slot];
        model_.showsStop = model_.running[slot];
    }
    Check("Start/Stop");
}

void ControllerDriver::ClickReset() {
    QTest::mouseClick(window_.cmdReset(), Qt::LeftButton);
    if (model_.selected == 1) {
        model_.shootCount = 0;
    } else {
        model_.stripeCount = QuadrixStripe::kInitialCount;
    }
    Check("Reset");
}

void ControllerDriver::SelectTab(Long method) {
    QTabBar* tabs = window_.tabMethod()->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier,
                      tabs->tabRect(static_cast<int>(method - 1)).center());
    model_.selected = method;
    Check("tab selection");
}

void ControllerDriver::Tick() {
    window_.tmrCalc_Timer();
    ExpectTick();
    Check("tick");
}

void ControllerDriver::ProcessEvents() {
    QCoreApplication::processEvents();
    Check("event processing");
}

std::int64_t ControllerDriver::NextTickCost() const {
    std::int64_t cost = 0;
    for (Long method = 1; method <= 2; ++method) {
        if (!Running(method)) {
            continue;
        }
        Long steps = 0;
        try {
            steps = TextToLong(StepsText().toStdString());
        } catch (const Error&) {
            return cost;
        }
        if (method == 1) {
            cost += std::max<Long>(steps, 0);
        } else {
            cost += DoubledStripeCount(model_.stripeCount, steps);
        }
    }
    return cost;
}

bool ControllerDriver::Running(Long method) const {
    return model_.running.at(static_cast<std::size_t>(method - 1));
}

void ControllerDriver::OnMessage(const QString& prompt) {
    prompts_.append(prompt);
    ++openMessages_;
    if (openMessages_ > 1) {
        Fault(QStringLiteral("message \"%1\"").arg(prompt),
              QStringLiteral("%1 message boxes open at once").arg(openMessages_));
    }
    if (!window_.IsMessageOpen()) {
        Fault(QStringLiteral("message \"%1\"").arg(prompt),
              QStringLiteral("the window does not know its box is open"));
    }
    const Long shots = window_.Generators(1).Count();
    const Long stripes = window_.Generators(2).Count();
    window_.tmrCalc_Timer();
    if (window_.Generators(1).Count() != shots || window_.Generators(2).Count() != stripes) {
        Fault(QStringLiteral("message \"%1\"").arg(prompt),
              QStringLiteral("a tick while the box was open stepped a method"));
    }
    --openMessages_;
}

void ControllerDriver::ExpectTick() {
    for (Long method = 1; method <= 2; ++method) {
        if (!Running(method)) {
            continue;
        }
        Long steps = 0;
        try {
            steps = TextToLong(StepsText().toStdString());
        } catch (const Error& error) {
            ExpectStopWithMessage(method, error.what());
            return;
        }
        const bool shown = method == 1 ? ExpectShootStep(steps) : ExpectStripeStep(steps);
        if (!shown) {
            return;
        }
    }
}

bool ControllerDriver::ExpectShootStep(Long steps) {
    if (steps > 0) {
        if (model_.shootCount > kLongMax - steps) {
            model_.shootCount = kLongMax;
            ExpectStopWithMessage(1, Overflow().what());
            return false;
        }
        model_.shootCount += steps;
    }
    if (model_.shootCount == 0) {
        ExpectStopWithMessage(1, InvalidOperation().what());
        return false;
    }
    if (Shooting().HitCount() >= kFirstOverflowingHitCount) {
        ExpectStopWithMessage(1, Overflow().what());
        return false;
    }
    model_.countLine[0] = QStringLiteral("ShootCount: %1").arg(model_.shootCount);
    return true;
}

bool ControllerDriver::ExpectStripeStep(Long steps) {
    const Long doubled = DoubledStripeCount(model_.stripeCount, steps);
    if (doubled == 0) {
        model_.stripeCount = kLargestStripeCount;
        ExpectStopWithMessage(2, Overflow().what());
        return false;
    }
    model_.stripeCount = doubled;
    model_.countLine[1] = QStringLiteral("Count:      %1").arg(model_.stripeCount);
    return true;
}

void ControllerDriver::ExpectStopWithMessage(Long method, const char* message) {
    model_.running.at(static_cast<std::size_t>(method - 1)) = false;
    if (method == model_.selected) {
        model_.showsStop = false;
    }
    model_.prompts.append(Text(message));
}

QString ControllerDriver::StepsText() const {
    return window_.txtStepsPerTick()->text();
}

QuadrixShoot& ControllerDriver::Shooting() const {
    return dynamic_cast<QuadrixShoot&>(window_.Generators(1));
}

void ControllerDriver::Check(const char* action) {
    const QString where = Text(action);
    CheckControls(where);
    CheckCounters(where);
    CheckOutputs(where);
    if (prompts_ != model_.prompts) {
        Fault(where, QStringLiteral("messages shown [%1], expected [%2]")
                         .arg(prompts_.join(QStringLiteral(" | ")),
                              model_.prompts.join(QStringLiteral(" | "))));
        prompts_ = model_.prompts;  // report each difference once
    }
    if (window_.IsMessageOpen()) {
        Fault(where, QStringLiteral("a message box is still open"));
    }
}

void ControllerDriver::CheckControls(const QString& where) {
    for (Long method = 1; method <= 2; ++method) {
        if (window_.Running(method) != Running(method)) {
            Fault(where,
                  QStringLiteral("method %1 %2")
                      .arg(method)
                      .arg(Running(method) ? QStringLiteral("stopped") : QStringLiteral("runs")));
        }
    }
    if (window_.SelectedMethod() != model_.selected) {
        Fault(where, QStringLiteral("method %1 selected, expected %2")
                         .arg(window_.SelectedMethod())
                         .arg(model_.selected));
    }
    const QString caption = model_.showsStop ? QStringLiteral("&Stop") : QStringLiteral("&Start");
    if (window_.cmdStartStop()->text() != caption) {
        Fault(where, QStringLiteral("the button reads \"%1\", expected \"%2\"")
                         .arg(window_.cmdStartStop()->text(), caption));
    }
    if (window_.txtStepsPerTick()->isReadOnly() != model_.showsStop) {
        Fault(where,
              QStringLiteral("the steps field is %1")
                  .arg(model_.showsStop ? QStringLiteral("editable") : QStringLiteral("locked")));
    }
}

void ControllerDriver::CheckCounters(const QString& where) {
    const QuadrixShoot& shooting = Shooting();
    const Long shots = shooting.ShootCount();
    const Long hits = shooting.HitCount();
    if (shots != model_.shootCount) {
        Fault(where, QStringLiteral("%1 shots, expected %2").arg(shots).arg(model_.shootCount));
    }
    if (hits < 0 || hits > shots || shooting.MissCount() != shots - hits) {
        Fault(where, QStringLiteral("%1 hits and %2 misses of %3 shots")
                         .arg(hits)
                         .arg(shooting.MissCount())
                         .arg(shots));
    }
    const Long stripes = window_.Generators(2).Count();
    if (stripes != model_.stripeCount) {
        Fault(where,
              QStringLiteral("%1 stripes, expected %2").arg(stripes).arg(model_.stripeCount));
    }
}

void ControllerDriver::CheckOutputs(const QString& where) {
    const std::array<int, 2> countLineIndex = {1, 3};
    for (Long method = 1; method <= 2; ++method) {
        const auto slot = static_cast<std::size_t>(method - 1);
        const QString output = window_.txtOutput(method)->toPlainText();
        const QString shown =
            model_.countLine[slot].isEmpty() ? output : OutputLine(output, countLineIndex[slot]);
        if (shown != model_.countLine[slot]) {
            Fault(where, QStringLiteral("output %1 shows \"%2\", expected \"%3\"")
                             .arg(method)
                             .arg(shown, model_.countLine[slot]));
        }
    }
}

void ControllerDriver::Fault(const QString& where, const QString& what) {
    ++faults_;
    onFault_(QStringLiteral("after %1: %2").arg(where, what).toStdString());
}

}  // namespace quadrix::fuzzing
