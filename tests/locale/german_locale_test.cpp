#include <QRegularExpression>

#include "main_window/window_test.h"
#include "runtime/number_text.h"

namespace quadrix::testing {
namespace {

QString Line(const QString& text, int index) {
    return text.split('\n').value(index);
}

// The test runs under LC_ALL=de_DE.UTF-8, which the application has taken over
// when it started.
class GermanWindow : public WindowTest {
  protected:
    void SetUp() override {
        ASSERT_EQ(DecimalSeparator(), ",")
            << "no German locale: scripts/install-deps.sh generates de_DE.UTF-8";
        WindowTest::SetUp();
    }
};

TEST_F(GermanWindow, StepsTakeADecimalCommaAndRoundIt) {
    StartMethod(2, "2,5");
    Tick();
    EXPECT_EQ(Window().Generators(2).Count(), 16);  // 2,5 doublings round to 2
    EXPECT_TRUE(prompts_.isEmpty());
}

TEST_F(GermanWindow, StripeStateShowsDecimalCommas) {
    StartMethod(2, "2");
    Tick();
    const QString output = Output(2);
    EXPECT_EQ(Line(output, 0), "PiRounded:  3,12075063699428");
    EXPECT_EQ(Line(output, 1), "PiAbove:    3,24825303782774");
    EXPECT_EQ(Line(output, 2), "PiBelow:    2,99825303782774");
    EXPECT_EQ(Line(output, 3), "Count:      16");
}

TEST_F(GermanWindow, ShootingEstimateShowsADecimalComma) {
    StartMethod(1, "999");  // 4 * hits / 999 is never whole
    Tick();
    const QString estimate = Line(Output(1), 0);
    EXPECT_TRUE(estimate.contains(QRegularExpression("^PiRounded:  [0-4],[0-9]+$")))
        << estimate.toStdString();
}

TEST_F(GermanWindow, ADecimalPointIsNoNumberToStartWith) {
    SelectTab(2);
    TypeSteps("2.5");
    ClickStartStop();
    EXPECT_EQ(prompts_, QStringList{"No valid steps per tick!"});
    EXPECT_FALSE(Window().Running(2));
}

}  // namespace
}  // namespace quadrix::testing
