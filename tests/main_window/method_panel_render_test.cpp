// The pixels of the method panels as Qt paints their drawings: dots, fills and the arc.
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "estimators/quadrix_shoot.h"
#include "estimators/quadrix_stripe.h"
#include "main_window/method_panel.h"
#include "main_window/qt_canvas.h"
#include "panel_models/panel_colours.h"
#include "runtime/counter_random_sequence.h"

namespace quadrix {

namespace colours = panel_colours;

// The window's panel size, in a transparent border where nothing may land.
const QRect kPanel(20, 20, 297, 169);

// Pixels in the area near the colour and opaque or, without a colour, not transparent.
static int CountOf(const QImage& image, std::optional<Colour> colour, int tolerance = 30,
                   QRect area = kPanel.adjusted(-20, -20, 20, 20)) {
    const QColor w = QtCanvas::ToQColor(colour.value_or(Colour{}));
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int off = std::abs(c.red() - w.red()) + std::abs(c.green() - w.green()) +
                            std::abs(c.blue() - w.blue());
            count += colour ? c.alpha() == 255 && off <= tolerance : c.alpha() > 0;
        }
    }
    return count;
}

static QImage Render(MethodPanel& panel) {
    panel.resize(kPanel.size());
    QImage image(kPanel.size().grownBy({20, 20, 20, 20}), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(kPanel.topLeft());
    panel.PaintDrawing(painter);
    EXPECT_EQ(CountOf(image, {}), CountOf(image, {}, 0, kPanel));  // nothing outside
    return image;
}

TEST(MethodPanel, DrawsEachShotInItsColourWithinTheSquare) {
    CounterRandomSequence sequence;
    QuadrixShoot shoot(sequence);
    MethodPanel panel(Method::kShooting, nullptr);
    shoot.DoStep(2000);
    panel.ShowState(shoot.State());
    const QImage drawn = Render(panel);
    const int misses = CountOf(drawn, colours::kMiss, 90);
    EXPECT_GT(CountOf(drawn, colours::kHit, 90), 500);
    EXPECT_GT(misses, 100);
    const Rect s = panel.Geometry().square;  // where every miss lies
    const QRectF square = QRectF(s.left, s.top, s.width, s.height).translated(kPanel.topLeft());
    EXPECT_EQ(CountOf(drawn, colours::kMiss, 90, square.toAlignedRect().adjusted(-2, -2, 2, 2)),
              misses);
}

TEST(MethodPanel, ShowsBothRectangleSumsOrTheBand) {
    QuadrixStripe stripe;
    MethodPanel panel(Method::kStripes, nullptr);
    EXPECT_GT(CountOf(Render(panel), colours::kCurve, 180), 100);  // the arc alone
    stripe.DoStep(1);
    panel.ShowState(stripe.State());
    const QImage rectangles = Render(panel);
    EXPECT_GT(CountOf(rectangles, colours::kAbove), 300);
    EXPECT_GT(CountOf(rectangles, colours::kBelow), 3000);
    stripe.DoStep(4);  // 128 stripes, each narrower than two pixels
    panel.ShowState(stripe.State());
    const QImage band = Render(panel);
    EXPECT_GT(CountOf(band, colours::kBand, 120), 10);
    EXPECT_GT(CountOf(band, colours::kBelow), 3000);
}

}  // namespace quadrix
