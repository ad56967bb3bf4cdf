// The real window over long random use, painted through Qt's event loop: time per tick and heap
// growth.
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QTabWidget>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <array>
#include <cstdint>
#include <optional>
#include <random>

#include "main_window/frm_main.h"
#include "support/tick_cost.h"

namespace {

using quadrix::frmMain;
using quadrix::Long;

// The work of one tick in shots plus stripes: a tick stays cheap.
constexpr std::int64_t kTickBudget = std::int64_t{1} << 16;
constexpr std::int64_t kWarmUpTicks = 1000;

// The heap blocks the process holds, as glibc's allocator counts them.
double HeapInUseKiB() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd) / 1024;
}

template <class Widget>
Widget* Find(const frmMain& window, const char* name) {
    return window.findChild<Widget*>(QString::fromLatin1(name));
}

// A user at the window: now and then a steps text typed (good or odd), Start/Stop, Reset or a
// tab switch, a method started more readily than stopped; stripes grown too many for a cheap
// tick are reset, or stopped.
class RandomUser {
  public:
    explicit RandomUser(frmMain& window)
        : window_(window),
          steps_(Find<QLineEdit>(window, "txtStepsPerTick")),
          startStop_(Find<QPushButton>(window, "cmdStartStop")),
          reset_(Find<QPushButton>(window, "cmdReset")),
          tabs_(Find<QTabWidget>(window, "tabMethod")) {}

    void Act() {
        static const std::array<const char*, 10> kOddSteps = {
            "", "abc", "2,5", "2.5", "-3", "0", " 2 ", "1e0", "2147483648", "30"};
        const int roll = Uniform(0, 999);
        const bool shooting = window_.SelectedMethod() == 1;
        if (roll < 15 && !steps_->isReadOnly()) {
            const bool odd = Uniform(0, 6) == 0;
            steps_->setText(odd ? kOddSteps.at(static_cast<std::size_t>(Uniform(0, 9)))
                                : QString::number(shooting ? Uniform(1, 2000) : Uniform(0, 3)));
        } else if (roll < (window_.Running(window_.SelectedMethod()) ? 20 : 45)) {
            startStop_->click();
        } else if (roll < 53) {
            reset_->click();
        } else if (roll < 73) {
            tabs_->setCurrentIndex(Uniform(0, 1));
        }
        const int selected = tabs_->currentIndex();
        tabs_->setCurrentIndex(1);
        if (NextTickCost() > kTickBudget) {
            reset_->click();
        }
        if (NextTickCost() > kTickBudget) {
            startStop_->click();
        }
        tabs_->setCurrentIndex(selected);
    }

  private:
    int Uniform(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }

    std::int64_t NextTickCost() const {
        const auto count = [&](Long method) {
            return window_.Running(method) ? std::optional(window_.Generators(method).Count())
                                           : std::nullopt;
        };
        return quadrix::testing::NextTickCost(steps_->text().toStdString(), count(1), count(2));
    }

    frmMain& window_;
    QLineEdit* steps_;
    QPushButton* startStop_;
    QPushButton* reset_;
    QTabWidget* tabs_;
    std::mt19937_64 random_{20261207};
};

// Ticks of random use, every tenth followed by Qt's posted events and a paint of the whole
// window; "heap growth KiB" is the heap at the end less the heap after the warm-up.
void BM_WindowSoak(benchmark::State& state) {
    auto* window = new frmMain;
    window->SetMessageShower([](const QString& /*prompt*/) {});
    window->show();
    Find<QTimer>(*window, "tmrCalc")->stop();  // the benchmark ticks itself
    RandomUser user(*window);
    std::int64_t tick = 0;
    double warmHeapKiB = HeapInUseKiB();
    for (auto _ : state) {
        user.Act();
        window->tmrCalc_Timer();
        if (tick % 10 == 0) {
            QCoreApplication::processEvents();
            window->grab();
        }
        warmHeapKiB = ++tick == kWarmUpTicks ? HeapInUseKiB() : warmHeapKiB;
    }
    state.counters["heap growth KiB"] = HeapInUseKiB() - warmHeapKiB;
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
BENCHMARK(BM_WindowSoak)->Iterations(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
