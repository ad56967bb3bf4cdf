#include <QAbstractButton>
#include <QMessageBox>

#include <algorithm>

#include "estimators/quadrix_stripe.h"
#include "main_window/window_test.h"

namespace quadrix::testing {
namespace {

QString Line(const QString& text, int index) {
    return text.split('\n').value(index);
}

class ErrorInATick : public WindowTest {
  protected:
    // Method 1 runs selected, method 2 runs behind it; both with the same steps.
    void StartBoth(const QString& steps) {
        StartMethod(2, steps);
        SelectTab(1);
        ClickStartStop();
        ASSERT_TRUE(Window().Running(1));
        ASSERT_EQ(Caption(), "&Stop");
    }

    // A message box that stays open for a while, as a user would keep it, and
    // notes how deeply boxes were nested.
    void ShowBoxesForAWhile() {
        Window().SetMessageShower([this](const QString& prompt) {
            prompts_.append(prompt);
            EXPECT_TRUE(Window().IsMessageOpen());
            ++openBoxes_;
            mostOpenBoxes_ = std::max(mostOpenBoxes_, openBoxes_);
            shootCountsDuringBox_.append(Window().Generators(1).Count());
            QTest::qWait(350);  // the timer keeps firing in this nested event loop
            shootCountsDuringBox_.append(Window().Generators(1).Count());
            --openBoxes_;
        });
    }

    int openBoxes_ = 0;
    int mostOpenBoxes_ = 0;
    QList<Long> shootCountsDuringBox_;
};

TEST_F(ErrorInATick, FailingMethodStopsShowsOneBoxAndTheOtherGoesOn) {
    StartBoth("0");  // a fresh shooting method stepped by nothing divides 0 by 0
    Tick();
    EXPECT_EQ(prompts_, QStringList{"Invalid floating-point operation"});
    EXPECT_FALSE(Window().Running(1));
    EXPECT_EQ(Caption(), "&Start");
    EXPECT_FALSE(StepsLocked());
    EXPECT_TRUE(Window().Running(2));
    EXPECT_EQ(Output(2), "");  // the rest of the failed tick was abandoned

    Tick();
    Tick();
    EXPECT_EQ(prompts_.size(), 1);
    EXPECT_EQ(Line(Output(2), 3), "Count:      4");
    EXPECT_EQ(Output(1), "");
}

TEST_F(ErrorInATick, MethodBehindStopsWithoutTouchingCaptionAndLock) {
    StartBoth("30");  // the thirtieth doubling of 4 stripes overflows
    Tick();
    EXPECT_EQ(prompts_, QStringList{"Overflow"});
    EXPECT_FALSE(Window().Running(2));
    EXPECT_EQ(Window().Generators(2).Count(), 1 << 30);
    EXPECT_EQ(Caption(), "&Stop");  // still showing method 1, the selected one
    EXPECT_TRUE(StepsLocked());
    EXPECT_TRUE(Window().Running(1));
    EXPECT_EQ(Line(Output(1), 1), "ShootCount: 30");
    EXPECT_EQ(Output(2), "");

    Tick();
    EXPECT_EQ(Line(Output(1), 1), "ShootCount: 60");
    EXPECT_EQ(prompts_.size(), 1);
}

TEST_F(ErrorInATick, TextThatIsNoNumberAnyMoreStopsTheMethod) {
    StartMethod(1, "10");
    SelectTab(2);
    ClickStartStop();  // starts method 2
    ClickStartStop();  // stops it, which unlocks the field while method 1 runs
    TypeSteps("abc");
    Tick();
    EXPECT_EQ(prompts_, QStringList{"Type mismatch"});
    EXPECT_FALSE(Window().Running(1));
    EXPECT_EQ(Caption(), "&Start");
    Tick();
    EXPECT_EQ(prompts_.size(), 1);
}

TEST_F(ErrorInATick, NumberBeyondLongOverflowsAtTheTick) {
    StartMethod(1, "3000000000");
    EXPECT_TRUE(prompts_.isEmpty());
    Tick();
    EXPECT_EQ(prompts_, QStringList{"Overflow"});
    EXPECT_FALSE(Window().Running(1));
    EXPECT_EQ(Window().Generators(1).Count(), 0);
}

TEST_F(ErrorInATick, NoTickRunsWhileTheBoxIsOpen) {
    StartBoth("30");
    ShowBoxesForAWhile();
    Window().tmrCalc()->start();
    ASSERT_TRUE(WaitUntil([this] { return prompts_.size() == 1; }));
    EXPECT_EQ(prompts_.first(), "Overflow");
    // Method 1 had been stepped in the failing tick; while the box was open it rested.
    ASSERT_EQ(shootCountsDuringBox_.size(), 2);
    EXPECT_EQ(shootCountsDuringBox_[0], 30);
    EXPECT_EQ(shootCountsDuringBox_[1], 30);
    EXPECT_FALSE(Window().IsMessageOpen());
    // Afterwards it goes on.
    EXPECT_TRUE(WaitUntil([this] { return Window().Generators(1).Count() >= 60; }));
    EXPECT_EQ(prompts_.size(), 1);
}

TEST_F(ErrorInATick, EachMethodReportsItsOwnErrorOneBoxAtATime) {
    StartBoth("3000000000");
    ShowBoxesForAWhile();
    Window().tmrCalc()->start();
    ASSERT_TRUE(WaitUntil([this] { return prompts_.size() == 2 && openBoxes_ == 0; }));
    QTest::qWait(300);
    EXPECT_EQ(prompts_, (QStringList{"Overflow", "Overflow"}));
    EXPECT_EQ(mostOpenBoxes_, 1);
    EXPECT_FALSE(Window().Running(1));
    EXPECT_FALSE(Window().Running(2));
}

TEST_F(ErrorInATick, ValidationBoxHoldsTheTicksToo) {
    StartMethod(1, "10");
    SelectTab(2);
    ClickStartStop();
    ClickStartStop();  // method 2 stopped, field unlocked, method 1 runs on
    TypeSteps("x");
    ShowBoxesForAWhile();
    Window().tmrCalc()->start();
    ClickStartStop();  // refused: "x" is no number
    // Had a tick run inside the first box, its error would have opened a second one there.
    EXPECT_EQ(mostOpenBoxes_, 1);
    ASSERT_TRUE(WaitUntil([this] { return prompts_.size() == 2 && openBoxes_ == 0; }));
    EXPECT_EQ(prompts_, (QStringList{"No valid steps per tick!", "Type mismatch"}));
    EXPECT_EQ(mostOpenBoxes_, 1);
    EXPECT_FALSE(Window().Running(1));
}

// The real modal box, closed by a timer as a user would close it.
TEST(MessageBoxShown, HasOneOkButtonNoIconAndTheProgramsName) {
    QPointer<frmMain> window = new frmMain;
    window->show();
    window->txtStepsPerTick()->setText("letters");

    QString title, text;
    QMessageBox::Icon icon = QMessageBox::Information;
    qsizetype buttonCount = 0;
    QTimer::singleShot(100, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttonCount = box->buttons().size();
        ASSERT_NE(box->button(QMessageBox::Ok), nullptr);
        box->button(QMessageBox::Ok)->click();
    });
    window->cmdStartStop()->click();

    EXPECT_EQ(title, "Quadrix");
    EXPECT_EQ(text, "No valid steps per tick!");
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(buttonCount, 1);
    EXPECT_FALSE(window->Running(1));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

}  // namespace
}  // namespace quadrix::testing
