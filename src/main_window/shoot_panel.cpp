#include "main_window/shoot_panel.h"

#include <QPainter>

#include <algorithm>

#include "main_window/dot_layer.h"
#include "main_window/panel_colours.h"

namespace quadrix {

ShootPanel::ShootPanel(QWidget* parent) : ModelPanel(parent) {}

void ShootPanel::TakeState(const EstimatorState& state) {
    model_.Update(std::get<ShootState>(state));
}

void ShootPanel::PaintSquare(QPainter& painter, const QRectF& square) const {
    if (model_.Dots().empty()) {
        return;
    }
    constexpr std::size_t kHit = 0;
    constexpr std::size_t kMiss = 1;
    DotLayer layer(square, painter, kDotRadius, {PanelColours::Hit(), PanelColours::Miss()});
    for (const ShootPanelModel::Dot& dot : model_.Dots()) {
        layer.Put(InSquare(square, dot.x, dot.y), dot.hit ? kHit : kMiss);
    }
    layer.DrawOn(painter);
}

QString ShootPanel::ReferenceLabel() const {
    return QStringLiteral("1/√n");
}

QString ShootPanel::CountName() const {
    return QStringLiteral("shots");
}

QString ShootPanel::Caption() const {
    return QString::fromStdString(model_.Caption());
}

QString ShootPanel::SquareSummary() const {
    const auto& dots = model_.Dots();
    const auto hits =
        std::count_if(dots.begin(), dots.end(), [](const auto& dot) { return dot.hit; });
    return QStringLiteral(
               "The latest %1 shots: %2 hits inside the arc in blue, %3 misses in orange.")
        .arg(dots.size())
        .arg(hits)
        .arg(static_cast<qsizetype>(dots.size()) - hits);
}

}  // namespace quadrix
