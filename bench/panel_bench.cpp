// Benchmarks of painting the method panels.
// How long the method panels take to paint and to take a new state, at small
// and huge counts, on the offscreen platform. Paints go to an image of the
// window's panel size at device pixel ratio 1 and 2 (high DPI).
#include <QApplication>
#include <QByteArray>
#include <QFrame>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <variant>

#include "allocation_counter.h"
#include "estimators/quadrix_stripe.h"
#include "estimators/shoot_state.h"
#include "main_window/method_panel.h"
#include "runtime/long_arithmetic.h"

namespace {

using quadrix::Long;

constexpr int kPanelWidth = 297;
constexpr int kPanelHeight = 169;
constexpr int kTicks = 1000;  // fills the error plot up to its thinning

// The state of a shooting run of `shots` shots from the start of the program's
// sequence, with the hit share pi/4 would give instead of counting every shot:
// only the latest shots are ever computed, by the panel, from the sequence.
quadrix::ShootState ShootingAfter(Long shots) {
    quadrix::ShootState state;
    state.shootCount = shots;
    state.hitCount = shots / 4 * 3 + shots % 4 / 2;
    state.missCount = shots - state.hitCount;
    state.piRounded = 4.0 * state.hitCount / shots;
    state.countedShotsEnd = 2 * static_cast<std::uint64_t>(shots);
    return state;
}

void Place(QFrame& panel) {
    panel.setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    panel.resize(kPanelWidth, kPanelHeight);
}

struct ShootSetUp {
    quadrix::MethodPanel panel{quadrix::Method::kShooting, nullptr};
    Long shots = 0;
};

// A shooting run of kTicks ticks that fire `total` shots in all.
ShootSetUp& ShootRun(Long total) {
    static std::map<Long, std::unique_ptr<ShootSetUp>> runs;
    std::unique_ptr<ShootSetUp>& run = runs[total];
    if (!run) {
        run = std::make_unique<ShootSetUp>();
        Place(run->panel);
        const Long perTick = total >= kTicks ? total / kTicks : total;
        for (int tick = 0; tick < kTicks && run->shots + perTick <= total; ++tick) {
            run->shots += perTick;
            run->panel.ShowState(ShootingAfter(run->shots));
        }
    }
    return *run;
}

struct StripeSetUp {
    quadrix::QuadrixStripe stripe;
    quadrix::MethodPanel panel{quadrix::Method::kStripes, nullptr};
};

// A stripe run of one doubling per tick from 4 stripes up to `count`.
StripeSetUp& StripeRun(Long count) {
    static std::map<Long, std::unique_ptr<StripeSetUp>> runs;
    std::unique_ptr<StripeSetUp>& run = runs[count];
    if (!run) {
        run = std::make_unique<StripeSetUp>();
        Place(run->panel);
        while (run->stripe.Count() < count) {
            run->stripe.DoStep(1);
            run->panel.ShowState(run->stripe.State());
        }
    }
    return *run;
}

void PaintRepeatedly(benchmark::State& state, quadrix::MethodPanel& panel) {
    const auto ratio = static_cast<int>(state.range(1));
    QImage image(kPanelWidth * ratio, kPanelHeight * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    const std::size_t bytesBefore = quadrix::bench::AllocatedBytes();
    for (auto _ : state) {
        panel.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["bytes/iter"] =
        static_cast<double>(quadrix::bench::AllocatedBytes() - bytesBefore) /
        static_cast<double>(state.iterations());
}

void BM_ShootPanelPaint(benchmark::State& state) {
    ShootSetUp& run = ShootRun(static_cast<Long>(state.range(0)));
    const auto& model = std::get<quadrix::ShootPanelModel>(run.panel.Drawing().ModelShown());
    state.counters["dots"] = static_cast<double>(model.Dots().size());
    state.counters["plot points"] = static_cast<double>(model.Plot().Points().size());
    PaintRepeatedly(state, run.panel);
}
BENCHMARK(BM_ShootPanelPaint)
    ->ArgsProduct({{10, 2000000, 600000000, 2147483000}, {1, 2}})
    ->ArgNames({"shots", "dpr"})
    ->Unit(benchmark::kMillisecond);

void BM_StripePanelPaint(benchmark::State& state) {
    StripeSetUp& run = StripeRun(static_cast<Long>(state.range(0)));
    const auto& model = std::get<quadrix::StripePanelModel>(run.panel.Drawing().ModelShown());
    state.counters["plot points"] = static_cast<double>(model.Plot().Points().size());
    PaintRepeatedly(state, run.panel);
}
BENCHMARK(BM_StripePanelPaint)
    ->ArgsProduct({{8, 64, 128, Long{1} << 30}, {1, 2}})
    ->ArgNames({"stripes", "dpr"})
    ->Unit(benchmark::kMillisecond);

// Taking the state after a tick: the latest shots recomputed from the sequence.
void BM_ShootPanelShowState(benchmark::State& state) {
    ShootSetUp& run = ShootRun(static_cast<Long>(state.range(0)));
    for (auto _ : state) {
        run.panel.ShowState(ShootingAfter(run.shots));  // the same count: no new plot point
    }
}
BENCHMARK(BM_ShootPanelShowState)
    ->Arg(10)
    ->Arg(2147483000)
    ->ArgName("shots")
    ->Unit(benchmark::kMicrosecond);

void BM_StripePanelShowState(benchmark::State& state) {
    StripeSetUp& run = StripeRun(static_cast<Long>(state.range(0)));
    const quadrix::EstimatorState stripes = run.stripe.State();
    for (auto _ : state) {
        run.panel.ShowState(stripes);
    }
}
BENCHMARK(BM_StripePanelShowState)
    ->Arg(8)
    ->Arg(Long{1} << 30)
    ->ArgName("stripes")
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
