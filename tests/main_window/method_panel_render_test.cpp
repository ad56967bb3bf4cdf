// The pixels of the method panels as Qt paints their drawings: dots, fills and the arc.
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstdlib>

#include "estimators/quadrix_shoot.h"
#include "estimators/quadrix_stripe.h"
#include "main_window/qt_canvas.h"
#include "main_window/shoot_panel.h"
#include "main_window/stripe_panel.h"
#include "panel_models/panel_colours.h"
#include "runtime/counter_random_sequence.h"

namespace quadrix {
namespace {

namespace colours = panel_colours;

// The window's panel size, in a transparent border where nothing may land.
const QRect kPanel(20, 20, 297, 169);

QImage Render(MethodPanel& panel) {
    panel.resize(kPanel.size());
    QImage image(kPanel.size().grownBy({20, 20, 20, 20}), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(kPanel.topLeft());
    panel.PaintDrawing(painter);
    return image;
}

// Opaque pixels near the colour.
int CountOf(const QImage& image, const Colour& colour, int tolerance = 30) {
    const QColor w = QtCanvas::ToQColor(colour);
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int off = std::abs(c.red() - w.red()) + std::abs(c.green() - w.green()) +
                            std::abs(c.blue() - w.blue());
            count += c.alpha() == 255 && off <= tolerance;
        }
    }
    return count;
}

// Whether the border around the panel stayed transparent.
bool NothingOutside(const QImage& image) {
    QImage panelOnly(image.size(), image.format());
    panelOnly.fill(Qt::transparent);
    QPainter(&panelOnly).drawImage(kPanel.topLeft(), image.copy(kPanel));
    return panelOnly == image;
}

TEST(ShootPanel, DrawsEachShotInItsColourWithinTheSquare) {
    CounterRandomSequence sequence;
    QuadrixShoot shoot(sequence);
    ShootPanel panel(nullptr);
    shoot.DoStep(2000);
    panel.ShowState(shoot.State());
    const QImage drawn = Render(panel);
    EXPECT_GT(CountOf(drawn, colours::kHit, 90), 500);
    EXPECT_GT(CountOf(drawn, colours::kMiss, 90), 100);
    const Rect s = panel.Geometry().square;  // where every miss lies
    const QRect square = QRectF(s.left, s.top, s.width, s.height).toAlignedRect();
    EXPECT_EQ(CountOf(drawn.copy(square.adjusted(-2, -2, 2, 2).translated(kPanel.topLeft())),
                      colours::kMiss, 90),
              CountOf(drawn, colours::kMiss, 90));
    EXPECT_TRUE(NothingOutside(drawn));
}

TEST(StripePanel, ShowsBothRectangleSumsOrTheBand) {
    QuadrixStripe stripe;
    StripePanel panel(nullptr);
    EXPECT_GT(CountOf(Render(panel), colours::kCurve, 180), 100);  // the arc alone
    stripe.DoStep(1);
    panel.ShowState(stripe.State());
    const QImage rectangles = Render(panel);
    EXPECT_GT(CountOf(rectangles, colours::kAbove), 300);
    EXPECT_GT(CountOf(rectangles, colours::kBelow), 3000);
    EXPECT_TRUE(NothingOutside(rectangles));
    stripe.DoStep(4);  // 128 stripes, each narrower than two pixels
    panel.ShowState(stripe.State());
    const QImage band = Render(panel);
    EXPECT_GT(CountOf(band, colours::kBand, 120), 10);
    EXPECT_TRUE(NothingOutside(band));
}

}  // namespace
}  // namespace quadrix
