// The real window over 10^5 ticks of random use, painted through Qt's event loop: the heap stays
// flat.
#include <QCoreApplication>
#include <QLineEdit>
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
#include "support/test_seed.h"
#include "support/tick_cost.h"
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

// The work of the next tick, of shots and of stripes.
std::int64_t NextTickCost(const frmMain& window, const QLineEdit& steps) {
    const auto count = [&](Long method) {
        return window.Running(method) ? std::optional(window.Generators(method).Count())
                                      : std::nullopt;
    };
    return testing::NextTickCost(steps.text().toStdString(), count(1), count(2));
}

// 100000 ticks (QUADRIX_SOAK_TICKS) with random clicks and texts between them.
TEST(FrmMainSoak, HeapStaysFlatOverLongRandomUse) {
    const char* ticksGiven = std::getenv("QUADRIX_SOAK_TICKS");
    const std::int64_t ticks = ticksGiven != nullptr ? std::stoll(ticksGiven) : 100000;
    const std::uint64_t seed = TestSeed();
    std::mt19937_64 random(seed);
    const auto uniform = [&](int low, int high) {
        return std::uniform_int_distribution(low, high)(random);
    };
    QPointer<frmMain> window = new frmMain;
    window->SetMessageShower([](const QString& /*prompt*/) {});
    window->show();
    Find<QTimer>(*window, "tmrCalc")->stop();  // the soak runs the ticks itself
    auto* steps = Find<QLineEdit>(*window, "txtStepsPerTick");
    auto* startStop = Find<QPushButton>(*window, "cmdStartStop");
    auto* reset = Find<QPushButton>(*window, "cmdReset");
    auto* tabs = Find<QTabWidget>(*window, "tabMethod");
    static const std::array<const char*, 10> kOddSteps = {"",  "abc", "2,5", "2.5",        "-3",
                                                          "0", " 2 ", "1e0", "2147483648", "30"};
    std::int64_t warmHeapKiB = HeapInUseKiB();
    std::int64_t tick = 0;
    for (; tick < ticks; ++tick) {
        // Now and then an action; a method is started more readily than stopped.
        const int roll = uniform(0, 999);
        const bool shooting = window->SelectedMethod() == 1;
        if (roll < 15 && !steps->isReadOnly()) {
            const bool odd = uniform(0, 6) == 0;
            steps->setText(odd ? kOddSteps.at(static_cast<std::size_t>(uniform(0, 9)))
                               : QString::number(shooting ? uniform(1, 2000) : uniform(0, 3)));
        } else if (roll < (window->Running(window->SelectedMethod()) ? 20 : 45)) {
            startStop->click();
        } else if (roll < 53) {
            reset->click();
        } else if (roll < 73) {
            tabs->setCurrentIndex(uniform(0, 1));
        }
        // Stripes grown too many for a cheap tick are reset, or stopped.
        const int selected = tabs->currentIndex();
        tabs->setCurrentIndex(1);
        if (NextTickCost(*window, *steps) > kTickBudget) {
            reset->click();
        }
        if (NextTickCost(*window, *steps) > kTickBudget) {
            startStop->click();
        }
        tabs->setCurrentIndex(selected);
        window->tmrCalc_Timer();
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
