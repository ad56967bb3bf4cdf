#include <QCoreApplication>
#include <QPointer>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <iomanip>
#include <iostream>
#include <optional>
#include <random>
#include <sstream>
#include <string>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include "main_window/frm_main.h"
#include "memory_use.h"
#include "support/checked_desk.h"

#if defined(__SANITIZE_ADDRESS__)
// A quarantine of 16 MiB of freed memory instead of 256: it still holds the
// blocks freed over thousands of ticks, and keeps the resident size the run
// reports nearer to the program's own.
extern "C" const char* __asan_default_options() {  // NOLINT(bugprone-reserved-identifier)
    return "quarantine_size_mb=16";
}
#endif

namespace quadrix::testing {
namespace {

// The real window, driven through its handlers. Its message boxes are
// answered at once, after one tick inside them.
class WindowDesk : public CheckedDesk {
  public:
    WindowDesk(frmMain& window, FaultHandler onFault)
        : CheckedDesk(std::move(onFault)), window_(window) {
        window_.SetMessageShower([this](const QString& /*prompt*/) { InsideBox(); });
    }

    const CalculationController& Controller() const override { return controller_; }

  protected:
    View Seen() const override {
        View view{window_.cmdStartStop()->text().toStdString(),
                  window_.txtStepsPerTick()->isReadOnly(),
                  {}};
        for (Long method = 1; method <= 2; ++method) {
            // The field shows CR LF as one line break.
            view.outputs.at(static_cast<std::size_t>(method - 1)) =
                window_.txtOutput(method)->toPlainText().replace('\n', "\r\n").toStdString();
        }
        return view;
    }
    std::string StepsText() const override { return window_.txtStepsPerTick()->text().toStdString(); }
    void Type(const std::string& text) override {
        if (!window_.txtStepsPerTick()->isReadOnly()) {
            window_.txtStepsPerTick()->setText(QString::fromStdString(text));
        }
    }
    void PressStartStop() override { window_.cmdStartStop()->click(); }
    void PressReset() override { window_.cmdReset()->click(); }
    void PressTab(Long method) override {
        window_.tabMethod()->setCurrentIndex(static_cast<int>(method - 1));
    }
    void TimerTick() override { window_.tmrCalc_Timer(); }

  private:
    frmMain& window_;
    const CalculationController& controller_ = window_.Controller();
};

constexpr std::uint64_t kDefaultTicks = 100000;
constexpr std::int64_t kWarmUpTicks = 1000;
constexpr int kTicksPerPaint = 10;
// The work of one tick, in shots plus stripes: small enough that a tick stays
// cheap under the sanitizers.
constexpr std::int64_t kTickBudget = std::int64_t{1} << 16;
// What memory may grow after the warm-up without counting as a leak. Under
// AddressSanitizer the resident size also holds the sanitizer's quarantine,
// shadow memory and allocation stacks, which grow as the allocator cycles
// through fresh addresses; there the heap in use alone tells the program's memory.
constexpr std::int64_t kAllowedHeapGrowthKiB = 1024;
#if !defined(__SANITIZE_ADDRESS__)
constexpr std::int64_t kAllowedResidentGrowthKiB = std::int64_t{8} * 1024;
#endif

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text == nullptr ? fallback : std::stoull(text);
}

std::string Describe(const MemoryUse& memory) {
    const auto mib = [](std::int64_t kiB) { return static_cast<double>(kiB) / 1024.0; };
    std::ostringstream text;
    text << std::fixed << std::setprecision(1) << "resident " << mib(memory.residentKiB)
         << " MiB, peak " << mib(memory.peakResidentKiB) << " MiB, anonymous "
         << mib(memory.anonymousResidentKiB) << " MiB, heap in use " << mib(memory.heapKiB)
         << " MiB";
    return text.str();
}

class Soak : public ::testing::Test {
  protected:
    void SetUp() override {
        window_ = new frmMain;
        window_->show();
        window_->tmrCalc()->stop();  // the soak runs the ticks itself
        driver_.emplace(*window_, [this](const std::string& fault) {
            ++faults_;
            ADD_FAILURE() << fault << " (seed " << seed_ << ", tick " << ticks_ << ")";
        });
    }

    void TearDown() override {
        driver_.reset();
        if (!window_.isNull()) {
            window_->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Now and then an action, as a user would take one between ticks. A method
    // is started more readily than stopped, so that both run most of the time.
    void MaybeAct() {
        const int roll = Uniform(0, 999);
        const CalculationController& controller = driver_->Controller();
        const bool selectedRuns = controller.Running(controller.SelectedMethod());
        if (roll < 15) {
            driver_->TypeSteps(StepsText());
        } else if (roll < (selectedRuns ? 20 : 45)) {
            driver_->ClickStartStop();
        } else if (roll < 53) {
            driver_->ClickReset();
        } else if (roll < 73) {
            driver_->SelectTab(Uniform(1, 2));
        }
    }

    // Mostly a step count that suits the selected method, sometimes a text that
    // is no number, rounds, or fails only when a tick converts it.
    std::string StepsText() {
        static const std::array<const char*, 10> kOddTexts = {
            "", "abc", "2,5", "2.5", "-3", "0", " 2 ", "1e0", "2147483648", "30"};
        if (Uniform(0, 6) == 0) {
            return kOddTexts.at(
                static_cast<std::size_t>(Uniform(0, static_cast<int>(kOddTexts.size()) - 1)));
        }
        return std::to_string(driver_->Controller().SelectedMethod() == 1 ? Uniform(1, 2000)
                                                                          : Uniform(0, 3));
    }

    // When the stripes would grow too many for a cheap tick, resets them first,
    // or stops them if their steps are too many even from the start.
    void Tick() {
        for (const auto action : {&WindowDesk::ClickReset, &WindowDesk::ClickStartStop}) {
            if (driver_->NextTickCost() <= kTickBudget || !driver_->Controller().Running(2)) {
                break;
            }
            const Long selected = driver_->Controller().SelectedMethod();
            driver_->SelectTab(2);
            ((*driver_).*action)();
            driver_->SelectTab(selected);
        }
        ASSERT_LE(driver_->NextTickCost(), kTickBudget) << "the soak's steps texts are too large";
        driver_->Tick();
        ++ticks_;
        if (ticks_ % kTicksPerPaint == 0) {
            window_->grab();  // paints every control, the panels' drawings among them
        }
    }

    int Uniform(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }

    const std::uint64_t seed_ = FromEnvironment("QUADRIX_SOAK_SEED", std::random_device()());
    std::mt19937_64 random_{seed_};
    QPointer<frmMain> window_;
    std::optional<WindowDesk> driver_;
    std::int64_t ticks_ = 0;
    int faults_ = 0;
};

TEST_F(Soak, RandomActionsOnBothMethodsKeepTheWindowConsistentAndMemoryFlat) {
    const auto ticks =
        static_cast<std::int64_t>(FromEnvironment("QUADRIX_SOAK_TICKS", kDefaultTicks));
    const std::int64_t ticksPerReport = std::max<std::int64_t>(ticks / 10, 1);
    std::cout << "soak: seed " << seed_ << " (QUADRIX_SOAK_SEED=" << seed_ << " repeats this run), "
              << ticks << " ticks" << std::endl;

    MemoryUse afterWarmUp = MemoryUse::Now();
    std::array<std::int64_t, 2> ticksRunning = {0, 0};
    while (ticks_ < ticks && faults_ == 0 && !HasFatalFailure()) {
        MaybeAct();
        for (Long method = 1; method <= 2; ++method) {
            ticksRunning.at(static_cast<std::size_t>(method - 1)) +=
                driver_->Controller().Running(method) ? 1 : 0;
        }
        Tick();
        if (ticks_ == kWarmUpTicks || ticks_ % ticksPerReport == 0) {
            const MemoryUse now = MemoryUse::Now();
            afterWarmUp = ticks_ == kWarmUpTicks ? now : afterWarmUp;
            std::cout << "soak: after " << ticks_ << " ticks: " << Describe(now) << std::endl;
        }
    }
    const MemoryUse atEnd = MemoryUse::Now();

    std::cout << "soak: " << ticks_ << " ticks, shooting ran in " << ticksRunning[0]
              << ", stripes in " << ticksRunning[1] << ", " << driver_->BoxesShown()
              << " message boxes" << std::endl;

    EXPECT_EQ(ticks_, ticks);
    EXPECT_GT(ticksRunning[0], ticks / 10) << "the shooting method hardly ran";
    EXPECT_GT(ticksRunning[1], ticks / 10) << "the stripe method hardly ran";
    EXPECT_LE(atEnd.heapKiB - afterWarmUp.heapKiB, kAllowedHeapGrowthKiB)
        << "the program holds more and more memory";
#if !defined(__SANITIZE_ADDRESS__)
    EXPECT_LE(atEnd.peakResidentKiB - afterWarmUp.peakResidentKiB, kAllowedResidentGrowthKiB)
        << "resident memory grew over the run";
#endif
}

}  // namespace
}  // namespace quadrix::testing
