#include "main_window/shoot_panel.h"

#include <QPainter>

#include "main_window/dot_layer.h"
#include "main_window/panel_colours.h"

namespace quadrix {

ShootPanel::ShootPanel(QWidget* parent) : ModelPanel(parent) {}

void ShootPanel::ShowState(const EstimatorState& state) {
    model_.Update(std::get<ShootState>(state));
    update();
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

}  // namespace quadrix
