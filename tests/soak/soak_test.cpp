// The real window over 10^5 ticks of random use: the heap stays flat.
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>

#include "main_window/frm_main.h"
#include "support/checked_desk.h"
#include "support/test_seed.h"
#include "support/window_test.h"

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer runtime, which GCC ships without a header for it.
extern "C" std::size_t
__sanitizer_get_current_allocated_bytes();  // NOLINT(bugprone-reserved-identifier)
#else
#include <malloc.h>
#endif

namespace quadrix::testing {
namespace {

constexpr std::int64_t kWarmUpTicks = 1000;
// The work of one tick in shots plus stripes: cheap even under the sanitizers.
constexpr std::int64_t kTickBudget = std::int64_t{1} << 16;
constexpr std::int64_t kAllowedHeapGrowthKiB = 1024;

// The heap blocks the process holds, as its allocator counts them.
std::int64_t HeapInUseKiB() {
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<std::int64_t>(__sanitizer_get_current_allocated_bytes()) / 1024;
#else
    const struct mallinfo2 info = mallinfo2();
    return static_cast<std::int64_t>(info.uordblks + info.hblkhd) / 1024;
#endif
}

// The real window, driven through its handlers; a box is answered after a tick inside it.
class WindowDesk : public CheckedDesk {
  public:
    WindowDesk(frmMain& window, FaultHandler onFault)
        : CheckedDesk(std::move(onFault)),
          window_(window),
          steps_(Find<QLineEdit>(window, "txtStepsPerTick")),
          startStop_(Find<QPushButton>(window, "cmdStartStop")),
          reset_(Find<QPushButton>(window, "cmdReset")),
          tabs_(Find<QTabWidget>(window, "tabMethod")),
          outputs_{Find<QPlainTextEdit>(window, Element("txtOutput", 1)),
                   Find<QPlainTextEdit>(window, Element("txtOutput", 2))} {
        window_.SetMessageShower([this](const QString& /*prompt*/) { InsideBox(); });
    }

    bool Running(Long method) const override { return window_.Running(method); }
    Long SelectedMethod() const override { return window_.SelectedMethod(); }
    Quadrix& Generators(Long method) const override { return window_.Generators(method); }

  protected:
    View Seen() const override {
        const auto shown = [](const QPlainTextEdit* field) {  // CR LF shows as one line break
            return field->toPlainText().replace('\n', "\r\n").toStdString();
        };
        return {startStop_->text().toStdString(),
                steps_->isReadOnly(),
                {shown(outputs_[0]), shown(outputs_[1])}};
    }
    std::string StepsText() const override { return steps_->text().toStdString(); }
    void Type(const std::string& text) override {
        if (!steps_->isReadOnly()) {
            steps_->setText(QString::fromStdString(text));
        }
    }
    void PressStartStop() override { startStop_->click(); }
    void PressReset() override { reset_->click(); }
    void PressTab(Long method) override { tabs_->setCurrentIndex(TabPositionOf(MethodAt(method))); }
    void TimerTick() override { window_.tmrCalc_Timer(); }

  private:
    frmMain& window_;
    QLineEdit* steps_;
    QPushButton* startStop_;
    QPushButton* reset_;
    QTabWidget* tabs_;
    std::array<QPlainTextEdit*, kMethodCount> outputs_;
};

// 100000 ticks (QUADRIX_SOAK_TICKS) with random actions between them.
TEST(FrmMainSoak, HeapStaysFlatOverLongRandomUse) {
    const char* ticksGiven = std::getenv("QUADRIX_SOAK_TICKS");
    const std::int64_t ticks = ticksGiven != nullptr ? std::stoll(ticksGiven) : 100000;
    const std::uint64_t seed = TestSeed();
    std::mt19937_64 random(seed);
    const auto uniform = [&](int low, int high) {
        return std::uniform_int_distribution(low, high)(random);
    };
    std::int64_t tick = 0;
    int faults = 0;
    QPointer<frmMain> window = new frmMain;
    window->show();
    Find<QTimer>(*window, "tmrCalc")->stop();  // the soak runs the ticks itself
    WindowDesk desk(*window, [&](const std::string& fault) {
        ++faults;
        ADD_FAILURE() << fault << " (seed " << seed << ", tick " << tick << ")";
    });
    static const std::array<const char*, 10> kOddSteps = {"",  "abc", "2,5", "2.5",        "-3",
                                                          "0", " 2 ", "1e0", "2147483648", "30"};
    std::int64_t warmHeapKiB = HeapInUseKiB();
    for (; tick < ticks && faults == 0; ++tick) {
        // Now and then an action; a method is started more readily than stopped.
        const int roll = uniform(0, 999);
        const bool selectedRuns = desk.Running(desk.SelectedMethod());
        if (roll < 15) {
            const bool odd = uniform(0, 6) == 0;
            desk.TypeSteps(odd ? kOddSteps.at(static_cast<std::size_t>(uniform(0, 9)))
                               : std::to_string(desk.SelectedMethod() == 1 ? uniform(1, 2000)
                                                                           : uniform(0, 3)));
        } else if (roll < (selectedRuns ? 20 : 45)) {
            desk.ClickStartStop();
        } else if (roll < 53) {
            desk.ClickReset();
        } else if (roll < 73) {
            desk.SelectTab(uniform(1, 2));
        }
        // Stripes grown too many for a cheap tick are reset, or stopped.
        const Long selected = desk.SelectedMethod();
        desk.SelectTab(2);
        if (desk.NextTickCost() > kTickBudget && desk.Running(2)) {
            desk.ClickReset();
        }
        if (desk.NextTickCost() > kTickBudget && desk.Running(2)) {
            desk.ClickStartStop();
        }
        desk.SelectTab(selected);
        ASSERT_LE(desk.NextTickCost(), kTickBudget) << "steps too large for the soak";
        desk.Tick();
        if (tick % 10 == 0) {
            QCoreApplication::processEvents();  // what the event loop would have done
            window->grab();                     // paints every control, the drawings among them
        }
        warmHeapKiB = tick == kWarmUpTicks ? HeapInUseKiB() : warmHeapKiB;
    }
    const std::int64_t endHeapKiB = HeapInUseKiB();
    std::cout << "soak: seed " << seed << ", " << tick << " ticks, heap grew by "
              << endHeapKiB - warmHeapKiB << " KiB\n";
    EXPECT_LE(endHeapKiB - warmHeapKiB, kAllowedHeapGrowthKiB) << "the heap keeps growing";
    window->close();
}

}  // namespace
}  // namespace quadrix::testing
