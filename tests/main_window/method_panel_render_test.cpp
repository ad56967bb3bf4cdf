#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRect>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

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

bool Near(QColor actual, QColor wanted, int tolerance) {
    return std::abs(actual.red() - wanted.red()) <= tolerance &&
           std::abs(actual.green() - wanted.green()) <= tolerance &&
           std::abs(actual.blue() - wanted.blue()) <= tolerance && actual.alpha() == 255;
}

// The panel as it draws itself, at the window's panel size, inside a transparent border.
class PanelImage {
  public:
    explicit PanelImage(const MethodPanel& panel)
        : panelRect_(QPoint(kBorder, kBorder), panel.size()),
          image_(panel.width() + 2 * kBorder, panel.height() + 2 * kBorder,
                 QImage::Format_ARGB32_Premultiplied) {
        image_.fill(Qt::transparent);
        QPainter painter(&image_);
        painter.translate(kBorder, kBorder);
        panel.PaintDrawing(painter);
    }

    int CountNear(QColor wanted, int tolerance) const {
        int count = 0;
        for (int y = 0; y < image_.height(); ++y) {
            for (int x = 0; x < image_.width(); ++x) {
                count += Near(image_.pixelColor(x, y), wanted, tolerance) ? 1 : 0;
            }
        }
        return count;
    }

    int CountOutsideThePanel() const {
        int count = 0;
        for (int y = 0; y < image_.height(); ++y) {
            for (int x = 0; x < image_.width(); ++x) {
                if (!panelRect_.contains(x, y) && image_.pixelColor(x, y).alpha() != 0) {
                    ++count;
                }
            }
        }
        return count;
    }

    // Whether a dark pixel lies within a pixel of each of a few points along the arc.
    bool ShowsTheArc(const QRectF& square) const {
        for (double angle = 0.1; angle < std::numbers::pi / 2; angle += 0.2) {
            const QPointF point = QPointF(kBorder, kBorder) +
                                  QPointF(square.left() + std::cos(angle) * square.width(),
                                          square.bottom() - std::sin(angle) * square.height());
            if (!DarkNear(point)) {
                return false;
            }
        }
        return true;
    }

  private:
    bool DarkNear(QPointF point) const {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const QColor colour = image_.pixelColor(static_cast<int>(point.x()) + dx,
                                                        static_cast<int>(point.y()) + dy);
                if (colour.alpha() == 255 && colour.lightness() < 90) {
                    return true;
                }
            }
        }
        return false;
    }

    QRect panelRect_;
    QImage image_;
};

class MethodPanelRender : public ::testing::Test {
  protected:
    template <typename Panel>
    void Place(Panel& panel) {
        panel.setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panel.resize(297, 169);
    }
};

TEST_F(MethodPanelRender, ShootingPanelShowsHitsMissesAndTheArcInsideThePanel) {
    CounterRandomSequence sequence;
    QuadrixShoot shoot(sequence);
    ShootPanel panel(shoot, nullptr);
    Place(panel);

    const PanelImage fresh(panel);
    EXPECT_TRUE(fresh.ShowsTheArc(panel.SquareRect()));
    EXPECT_EQ(fresh.CountNear(PanelColours::Hit(), 30), 0);
    EXPECT_EQ(fresh.CountNear(PanelColours::Miss(), 30), 0);

    for (int tick = 0; tick < 40; ++tick) {
        shoot.DoStep(1000);
        panel.ShowState(shoot.StateDescr());
    }
    const PanelImage drawn(panel);
    EXPECT_GT(drawn.CountNear(PanelColours::Hit(), 30), 500);
    EXPECT_GT(drawn.CountNear(PanelColours::Miss(), 30), 100);
    EXPECT_TRUE(drawn.ShowsTheArc(panel.SquareRect()));
    EXPECT_GT(drawn.CountNear(PanelColours::Ground(), 0), 1000);
    EXPECT_EQ(drawn.CountOutsideThePanel(), 0);
}

TEST_F(MethodPanelRender, StripePanelShowsBothRectangleSumsOrTheBandInsideThePanel) {
    QuadrixStripe stripe;
    StripePanel panel(stripe, nullptr);
    Place(panel);

    const PanelImage fresh(panel);
    EXPECT_TRUE(fresh.ShowsTheArc(panel.SquareRect()));
    EXPECT_EQ(fresh.CountNear(PanelColours::Above(), 10), 0);
    EXPECT_EQ(fresh.CountNear(PanelColours::Below(), 10), 0);

    stripe.DoStep(1);
    panel.ShowState(stripe.StateDescr());
    const PanelImage rectangles(panel);
    EXPECT_GT(rectangles.CountNear(PanelColours::Above(), 10), 300);
    EXPECT_GT(rectangles.CountNear(PanelColours::Below(), 10), 3000);
    EXPECT_TRUE(rectangles.ShowsTheArc(panel.SquareRect()));
    EXPECT_EQ(rectangles.CountOutsideThePanel(), 0);

    stripe.DoStep(4);  // 128 stripes, each narrower than two pixels
    panel.ShowState(stripe.StateDescr());
    const PanelImage band(panel);
    EXPECT_GT(band.CountNear(PanelColours::Below(), 10), 3000);
    EXPECT_GT(band.CountNear(PanelColours::Band(), 40), 10);
    EXPECT_EQ(band.CountNear(PanelColours::Above(), 10), 0);
    EXPECT_TRUE(band.ShowsTheArc(panel.SquareRect()));
    EXPECT_EQ(band.CountOutsideThePanel(), 0);
}

}  // namespace
}  // namespace quadrix
