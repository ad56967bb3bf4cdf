#include <QSignalSpy>

#include "estimators/quadrix_shoot.h"
#include "main_window/shoot_panel.h"
#include "main_window/stripe_panel.h"
#include "main_window/window_test.h"

namespace quadrix::testing {
namespace {

class Drawings : public WindowTest {
  protected:
    const ShootPanelModel& ShootModel() {
        return qobject_cast<ShootPanel*>(Window().picOutput(1))->Model();
    }
    const StripePanelModel& StripeModel() {
        return qobject_cast<StripePanel*>(Window().picOutput(2))->Model();
    }
};

TEST_F(Drawings, EachMethodHasItsOwnPanelKind) {
    EXPECT_NE(qobject_cast<ShootPanel*>(Window().picOutput(1)), nullptr);
    EXPECT_NE(qobject_cast<StripePanel*>(Window().picOutput(2)), nullptr);
    EXPECT_FALSE(ShootModel().HasState());
    EXPECT_FALSE(StripeModel().HasState());
}

TEST_F(Drawings, TickShowsTheStateTheOutputFieldShows) {
    StartMethod(1, "10");
    Tick();
    const auto& shoot = dynamic_cast<const QuadrixShoot&>(Window().Generators(1));
    ASSERT_TRUE(ShootModel().HasState());
    EXPECT_EQ(ShootModel().Dots().size(), 10u);
    Long hitDots = 0;
    for (const ShootPanelModel::Dot& dot : ShootModel().Dots()) {
        hitDots += dot.hit ? 1 : 0;
    }
    EXPECT_EQ(hitDots, shoot.HitCount());
    EXPECT_EQ(ShootModel().Plot().Points().size(), 1u);
    EXPECT_FALSE(StripeModel().HasState());  // not running
}

TEST_F(Drawings, BothRunningMethodsAreDrawnAtEachTick) {
    StartMethod(1, "2");
    StartMethod(2, "2");
    Tick();
    EXPECT_EQ(ShootModel().Dots().size(), 2u);
    EXPECT_EQ(StripeModel().Count(), 16);
    EXPECT_FALSE(StripeModel().Caption().empty());
    Tick();
    EXPECT_EQ(ShootModel().Plot().Points().size(), 2u);
    EXPECT_EQ(StripeModel().Plot().Points().size(), 2u);
}

TEST_F(Drawings, ResetTakesEffectAtTheNextTick) {
    StartMethod(1, "10");
    Tick();
    Tick();
    ClickReset();
    EXPECT_EQ(ShootModel().Plot().Points().size(), 2u);
    EXPECT_EQ(ShootModel().Dots().size(), 20u);
    Tick();
    EXPECT_EQ(ShootModel().Plot().Points().size(), 1u);
    EXPECT_EQ(ShootModel().Dots().size(), 10u);
}

TEST_F(Drawings, ResetActsOnTheSelectedMethodsPanelOnly) {
    StartMethod(1, "2");
    StartMethod(2, "2");
    Tick();
    Tick();
    ClickReset();  // tab 2 is selected
    Tick();
    EXPECT_EQ(StripeModel().Plot().Points().size(), 1u);
    EXPECT_EQ(StripeModel().Count(), 16);
    EXPECT_EQ(ShootModel().Plot().Points().size(), 3u);
}

TEST_F(Drawings, FailedTickLeavesTheDrawingAsItWas) {
    StartMethod(1, "0");  // the fresh method's state text fails on 0 / 0
    Tick();
    EXPECT_FALSE(Window().Running(1));
    EXPECT_FALSE(ShootModel().HasState());
    EXPECT_EQ(Output(1), "");
}

}  // namespace
}  // namespace quadrix::testing
