#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstdlib>

#include "estimators/quadrix_shoot.h"
#include "estimators/quadrix_stripe.h"
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

// Opaque pixels near the colour; with none given, visible pixels outside the panel.
int Count(const QImage& image, const QColor* wanted = nullptr, int tolerance = 10) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const bool near = c.alpha() == 255 && wanted != nullptr &&
                              std::abs(c.red() - wanted->red()) <= tolerance &&
                              std::abs(c.green() - wanted->green()) <= tolerance &&
                              std::abs(c.blue() - wanted->blue()) <= tolerance;
            count += (wanted == nullptr ? c.alpha() != 0 && !kPanel.contains(x, y) : near) ? 1 : 0;
        }
    }
    return count;
}

int CountOf(const QImage& image, const QColor& colour, int tolerance = 10) {
    return Count(image, &colour, tolerance);
}

// Dark pixels inside the square, off its outline: the arc's.
int ArcPixels(const QImage& image, const MethodPanel& panel) {
    const QRect inside =
        panel.SquareRect().toRect().adjusted(3, 3, -3, -3).translated(kBorder, kBorder);
    return CountOf(image.copy(inside), PanelColours::Curve(), 60);
}

TEST(MethodPanelRender, ShootingPanelShowsHitsAndMissesUnderTheArc) {
    CounterRandomSequence sequence;
    QuadrixShoot shoot(sequence);
    ShootPanel panel(nullptr);
    for (int tick = 0; tick < 40; ++tick) {
        shoot.DoStep(1000);
        panel.ShowState(shoot.State());
    }
    const QImage drawn = Render(panel);
    EXPECT_GT(CountOf(drawn, PanelColours::Hit(), 30), 500);
    EXPECT_GT(CountOf(drawn, PanelColours::Miss(), 30), 100);
    EXPECT_GT(ArcPixels(drawn, panel), 50);
    EXPECT_EQ(Count(drawn), 0);
}

TEST(MethodPanelRender, StripePanelShowsBothRectangleSumsOrTheBand) {
    QuadrixStripe stripe;
    StripePanel panel(nullptr);
    const QImage fresh = Render(panel);
    EXPECT_GT(ArcPixels(fresh, panel), 100);
    EXPECT_EQ(CountOf(fresh, PanelColours::Below()), 0);
    stripe.DoStep(1);
    panel.ShowState(stripe.State());
    const QImage rectangles = Render(panel);
    EXPECT_GT(CountOf(rectangles, PanelColours::Above()), 300);
    EXPECT_GT(CountOf(rectangles, PanelColours::Below()), 3000);
    EXPECT_EQ(Count(rectangles), 0);
    stripe.DoStep(4);  // 128 stripes, each narrower than two pixels
    panel.ShowState(stripe.State());
    const QImage band = Render(panel);
    EXPECT_GT(CountOf(band, PanelColours::Below()), 3000);
    EXPECT_GT(CountOf(band, PanelColours::Band(), 40), 10);
    EXPECT_EQ(CountOf(band, PanelColours::Above()), 0);
    EXPECT_EQ(Count(band), 0);
}

}  // namespace
}  // namespace quadrix
