#include "estimators/quadrix_stripe.h"
#include "main_window/window_test.h"

namespace quadrix::testing {
namespace {

// What the window shows for a state text: one line per line, no CR.
QString Shown(const std::string& stateText) {
    return QString::fromStdString(stateText).replace("\r\n", "\n");
}

QString InitialStripeText() {
    return Shown(QuadrixStripe().StateDescr());
}

QString Line(const QString& text, int index) {
    return text.split('\n').value(index);
}

class StartStop : public WindowTest {};

TEST_F(StartStop, LettersOrEmptyTextAskForValidStepsAndChangeNothing) {
    for (const QString& steps : {QString("Steps per Tick (100 ms)"), QString("abc"), QString()}) {
        TypeSteps(steps);
        prompts_.clear();
        ClickStartStop();
        EXPECT_EQ(prompts_, QStringList{"No valid steps per tick!"}) << steps.toStdString();
        EXPECT_FALSE(Window().Running(1));
        EXPECT_EQ(Caption(), "&Start");
        EXPECT_FALSE(StepsLocked());
        Tick();
        EXPECT_EQ(Output(1), "");
    }
}

TEST_F(StartStop, TenStartsTheMethodAndLocksTheSteps) {
    TypeSteps("10");
    ClickStartStop();
    EXPECT_TRUE(prompts_.isEmpty());
    EXPECT_TRUE(Window().Running(1));
    EXPECT_FALSE(Window().Running(2));
    EXPECT_EQ(Caption(), "&Stop");
    EXPECT_TRUE(StepsLocked());
    QTest::keyClicks(Window().txtStepsPerTick(), "5");
    EXPECT_EQ(Window().txtStepsPerTick()->text(), "10");

    Tick();
    const QString text = Output(1);
    EXPECT_EQ(Window().txtOutput(1)->blockCount(), 4);
    EXPECT_FALSE(text.contains('\r'));
    EXPECT_TRUE(text.startsWith("PiRounded:  "));
    EXPECT_EQ(Line(text, 1), "ShootCount: 10");
    const int hits = Line(text, 2).mid(12).toInt();
    const int misses = Line(text, 3).mid(12).toInt();
    EXPECT_EQ(hits + misses, 10);
    EXPECT_EQ(Output(2), "");
}

TEST_F(StartStop, EachTickStepsByTheText) {
    StartMethod(1, "10");
    Tick();
    Tick();
    Tick();
    EXPECT_EQ(Line(Output(1), 1), "ShootCount: 30");
}

TEST_F(StartStop, StopUnlocksAndFreezesTheOutput) {
    StartMethod(1, "10");
    Tick();
    ClickStartStop();
    EXPECT_FALSE(Window().Running(1));
    EXPECT_EQ(Caption(), "&Start");
    EXPECT_FALSE(StepsLocked());
    const QString frozen = Output(1);
    Tick();
    EXPECT_EQ(Output(1), frozen);
}

TEST_F(StartStop, ZeroOnAFreshStripeMethodShowsItsInitialState) {
    StartMethod(2, "0");
    Tick();
    EXPECT_EQ(Output(2), InitialStripeText());
    EXPECT_EQ(Line(Output(2), 3), "Count:      4");
    Tick();
    EXPECT_EQ(Output(2), InitialStripeText());
    EXPECT_TRUE(prompts_.isEmpty());
}

TEST_F(StartStop, StripeOutputDoublesPerStep) {
    StartMethod(2, "3");
    Tick();
    QuadrixStripe expected;
    expected.DoStep(3);
    EXPECT_EQ(Output(2), Shown(expected.StateDescr()));
    EXPECT_EQ(Line(Output(2), 3), "Count:      32");
}

TEST_F(StartStop, MinusThreeOnAStripeMethodShowsTheSameTextAtEveryTick) {
    StartMethod(2, "-3");
    Tick();
    EXPECT_EQ(Output(2), InitialStripeText());
    Tick();
    EXPECT_EQ(Output(2), InitialStripeText());
    EXPECT_TRUE(prompts_.isEmpty());
}

TEST_F(StartStop, MinusThreeAfterShotsKeepsTheShootingText) {
    StartMethod(1, "7");
    Tick();
    const QString afterShots = Output(1);
    EXPECT_EQ(Line(afterShots, 1), "ShootCount: 7");
    ClickStartStop();
    TypeSteps("-3");
    ClickStartStop();
    ASSERT_TRUE(Window().Running(1));
    Tick();
    Tick();
    EXPECT_EQ(Output(1), afterShots);
    EXPECT_TRUE(prompts_.isEmpty());
}

TEST_F(StartStop, StepsTextIsReadAnewAtEveryTick) {
    StartMethod(1, "10");
    SelectTab(2);
    ClickStartStop();  // starts method 2
    ClickStartStop();  // stops it and unlocks the field; method 1 runs on
    TypeSteps("3");
    Tick();
    EXPECT_EQ(Line(Output(1), 1), "ShootCount: 3");
    TypeSteps("4");
    Tick();
    EXPECT_EQ(Line(Output(1), 1), "ShootCount: 7");
}

class Tabs : public WindowTest {};

TEST_F(Tabs, SelectingATabBringsItsPageToTheFront) {
    const QPoint outputCentre = Window().txtOutput(1)->geometry().center();
    const QPoint panelCentre = Window().picOutput(1)->geometry().center();
    SelectTab(2);
    EXPECT_EQ(Window().SelectedMethod(), 2);
    EXPECT_EQ(VisibleAt(panelCentre), Window().picOutput(2));
    EXPECT_TRUE(Window().txtOutput(2)->isAncestorOf(VisibleAt(outputCentre)));
    SelectTab(1);
    EXPECT_EQ(Window().SelectedMethod(), 1);
    EXPECT_EQ(VisibleAt(panelCentre), Window().picOutput(1));
    EXPECT_TRUE(Window().txtOutput(1)->isAncestorOf(VisibleAt(outputCentre)));
}

TEST_F(Tabs, KeyboardSelectionWorksToo) {
    Activate();
    Window().tabMethod()->tabBar()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Window().tabMethod()->tabBar(), Qt::Key_Right);
    EXPECT_EQ(Window().SelectedMethod(), 2);
}

TEST_F(Tabs, SwitchingKeepsCaptionAndLockOfTheLastStartStop) {
    StartMethod(1, "10");
    SelectTab(2);
    EXPECT_EQ(Caption(), "&Stop");
    EXPECT_TRUE(StepsLocked());
    EXPECT_FALSE(Window().Running(2));
    EXPECT_TRUE(Window().Running(1));

    ClickStartStop();  // starts method 2
    EXPECT_TRUE(Window().Running(2));
    EXPECT_EQ(Caption(), "&Stop");
    EXPECT_TRUE(Window().Running(1));
}

TEST_F(Tabs, BothMethodsRunAndKeepTheirOwnText) {
    StartMethod(1, "2");
    SelectTab(2);
    ClickStartStop();
    Tick();
    EXPECT_EQ(Line(Output(1), 1), "ShootCount: 2");
    EXPECT_EQ(Line(Output(2), 3), "Count:      16");

    SelectTab(1);
    const QString stripeBehind = Output(2);
    Tick();
    EXPECT_EQ(Line(Output(1), 1), "ShootCount: 4");
    EXPECT_NE(Output(2), stripeBehind);  // method 2 runs on behind page 1
    EXPECT_EQ(Line(Output(2), 3), "Count:      64");
}

TEST_F(Tabs, ButtonActsOnTheSelectedMethodOnly) {
    StartMethod(1, "10");
    SelectTab(2);
    ClickStartStop();  // starts 2
    ClickStartStop();  // stops 2
    EXPECT_FALSE(Window().Running(2));
    EXPECT_TRUE(Window().Running(1));
    EXPECT_EQ(Caption(), "&Start");
    EXPECT_FALSE(StepsLocked());
}

class Reset : public WindowTest {};

TEST_F(Reset, WhileStoppedTheOutputKeepsItsTextUntilTheNextRun) {
    StartMethod(1, "10");
    Tick();
    Tick();
    ClickStartStop();
    const QString before = Output(1);
    ClickReset();
    EXPECT_EQ(Output(1), before);
    EXPECT_EQ(Window().Generators(1).Count(), 0);
    Tick();
    EXPECT_EQ(Output(1), before);

    ClickStartStop();
    Tick();
    EXPECT_EQ(Line(Output(1), 1), "ShootCount: 10");
}

TEST_F(Reset, WhileRunningTheMethodGoesOnFromTheStart) {
    StartMethod(2, "2");
    Tick();
    Tick();
    EXPECT_EQ(Line(Output(2), 3), "Count:      64");
    ClickReset();
    EXPECT_TRUE(Window().Running(2));
    EXPECT_EQ(Line(Output(2), 3), "Count:      64");
    Tick();
    EXPECT_EQ(Line(Output(2), 3), "Count:      16");
}

TEST_F(Reset, OnlyTheSelectedMethodIsReset) {
    StartMethod(1, "10");
    SelectTab(2);
    ClickStartStop();
    Tick();
    ClickReset();
    EXPECT_EQ(Window().Generators(2).Count(), 4);
    EXPECT_EQ(Window().Generators(1).Count(), 10);
}

}  // namespace
}  // namespace quadrix::testing
