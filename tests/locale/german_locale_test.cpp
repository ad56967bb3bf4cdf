// The main window as a German user runs it: decimal commas in and out.
#include "runtime/number_text.h"
#include "support/window_test.h"

namespace quadrix::testing {
namespace {

// The test runs under LC_ALL=de_DE.UTF-8, which the application has taken over
// when it started.
class FrmMainGermanTest : public WindowTest {
  protected:
    void SetUp() override {
        ASSERT_EQ(DecimalSeparator(), ",")
            << "no German locale: scripts/install-deps.sh generates de_DE.UTF-8";
        WindowTest::SetUp();
    }
};

TEST_F(FrmMainGermanTest, ReadsAndShowsTheDecimalComma) {
    SelectTab(2);
    TypeSteps("2.5");
    ClickStartStop();
    EXPECT_EQ(prompts_, QStringList{"No valid steps per tick!"});
    prompts_.clear();

    StartMethod(2, "2,5");  // 2,5 doublings round to 2
    Tick();
    EXPECT_TRUE(prompts_.isEmpty());
    EXPECT_EQ(Output(2),
              "PiRounded:  3,12075063699428\nPiAbove:    3,24825303782774\n"
              "PiBelow:    2,99825303782774\nCount:      16");
}

}  // namespace
}  // namespace quadrix::testing
