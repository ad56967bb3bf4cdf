#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRect>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <optional>

#include "estimators/quadrix_shoot.h"
#include "estimators/quadrix_stripe.h"
#include "main_window/method_panel.h"
#include "main_window/panel_colours.h"
#include "main_window/shoot_panel.h"
#include "main_window/stripe_panel.h"
#include "runtime/counter_random_sequence.h"

namespace quadrix {
namespace {

constexpr int kBorder = 20;  // transparent room around the panel, where nothing may land
const QRect kPanel(kBorder, kBorder, 297, 169);

// The panel as it draws itself at the window's panel size, inside a transparent border.
QImage Render(MethodPanel& panel) {
    panel.setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    panel.resize(kPanel.size());
    QImage image(kPanel.size().grownBy({kBorder, kBorder, kBorder, kBorder}),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(kBorder, kBorder);
    panel.PaintDrawing(painter);
    return image;
}

// Opaque pixels near the colour, or (without one) any visible pixel outside the panel.
int Count(const QImage& image, std::optional<QColor> wanted, int tolerance = 0) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const bool match = wanted ? c.alpha() == 255 &&
                                            std::abs(c.red() - wanted->red()) <= tolerance &&
                                            std::abs(c.green() - wanted->green()) <= tolerance &&
                                            std::abs(c.blue() - wanted->blue()) <= tolerance
                                      : c.alpha() != 0 && !kPanel.contains(x, y);
            count += match ? 1 : 0;
        }
    }
    return count;
}

// Whether a dark pixel lies within a pixel of a few points along the arc.
bool ShowsTheArc(const QImage& image, const MethodPanel& panel) {
    const QRectF square = panel.SquareRect().translated(kBorder, kBorder);
    for (double angle = 0.1; angle < std::numbers::pi / 2; angle += 0.2) {
        const QPoint point(static_cast<int>(square.left() + std::cos(angle) * square.width()),
                           static_cast<int>(square.bottom() - std::sin(angle) * square.height()));
        int dark = 0;
        for (const QPoint step :
             {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(-1, 0), QPoint(0, -1), QPoint(1, 1),
              QPoint(-1, -1), QPoint(1, -1), QPoint(-1, 1)}) {
            const QColor colour = image.pixelColor(point + step);
            dark += colour.alpha() == 255 && colour.lightness() < 90 ? 1 : 0;
        }
        if (dark == 0) {
            return false;
        }
    }
    return true;
}

TEST(MethodPanelRender, ShootingPanelShowsHitsMissesAndTheArcInsideThePanel) {
    CounterRandomSequence sequence;
    QuadrixShoot shoot(sequence);
    ShootPanel panel(nullptr);
    const QImage fresh = Render(panel);
    EXPECT_TRUE(ShowsTheArc(fresh, panel));
    EXPECT_EQ(Count(fresh, PanelColours::Hit(), 30) + Count(fresh, PanelColours::Miss(), 30), 0);

    for (int tick = 0; tick < 40; ++tick) {
        shoot.DoStep(1000);
        panel.ShowState(shoot.State());
    }
    const QImage drawn = Render(panel);
    EXPECT_GT(Count(drawn, PanelColours::Hit(), 30), 500);
    EXPECT_GT(Count(drawn, PanelColours::Miss(), 30), 100);
    EXPECT_GT(Count(drawn, PanelColours::Ground()), 1000);
    EXPECT_TRUE(ShowsTheArc(drawn, panel));
    EXPECT_EQ(Count(drawn, std::nullopt), 0);
}

TEST(MethodPanelRender, StripePanelShowsBothRectangleSumsOrTheBandInsideThePanel) {
    QuadrixStripe stripe;
    StripePanel panel(nullptr);
    const QImage fresh = Render(panel);
    EXPECT_TRUE(ShowsTheArc(fresh, panel));
    EXPECT_EQ(Count(fresh, PanelColours::Above(), 10) + Count(fresh, PanelColours::Below(), 10), 0);

    stripe.DoStep(1);
    panel.ShowState(stripe.State());
    const QImage rectangles = Render(panel);
    EXPECT_GT(Count(rectangles, PanelColours::Above(), 10), 300);
    EXPECT_GT(Count(rectangles, PanelColours::Below(), 10), 3000);
    EXPECT_TRUE(ShowsTheArc(rectangles, panel));
    EXPECT_EQ(Count(rectangles, std::nullopt), 0);

    stripe.DoStep(4);  // 128 stripes, each narrower than two pixels
    panel.ShowState(stripe.State());
    const QImage band = Render(panel);
    EXPECT_GT(Count(band, PanelColours::Below(), 10), 3000);
    EXPECT_GT(Count(band, PanelColours::Band(), 40), 10);
    EXPECT_EQ(Count(band, PanelColours::Above(), 10), 0);
    EXPECT_TRUE(ShowsTheArc(band, panel));
    EXPECT_EQ(Count(band, std::nullopt), 0);
}

}  // namespace
}  // namespace quadrix
