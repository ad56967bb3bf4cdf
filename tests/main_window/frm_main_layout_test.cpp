#include <QIcon>
#include <QImage>

#include <stdexcept>
#include <vector>

#include "main_window/window_test.h"

namespace quadrix::testing {
namespace {

class AfterStartUp : public WindowTest {};

TEST_F(AfterStartUp, ShootingTabIsSelectedAndNothingRuns) {
    QTabWidget* tabs = Window().tabMethod();
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), "Pi per shoot");
    EXPECT_EQ(tabs->tabText(1), "Pi per stripe");
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(Window().SelectedMethod(), 1);
    for (Long method : {1, 2}) {
        EXPECT_FALSE(Window().Running(method));
        EXPECT_EQ(Output(method), "");
    }
    EXPECT_EQ(Window().cmdStartStop()->text(), "&Start");
    EXPECT_FALSE(Window().txtStepsPerTick()->isReadOnly());
    EXPECT_EQ(Window().txtStepsPerTick()->text(), "Steps per Tick (100 ms)");
    EXPECT_EQ(Window().windowTitle(), "ZEKT Quadrix");
}

TEST_F(AfterStartUp, FirstShowLoadsThePagesAndStartsTheTimerThatDrivesTheMethods) {
    QPointer<frmMain> window = new frmMain;
    EXPECT_FALSE(window->tmrCalc()->isActive());
    EXPECT_EQ(window->tabMethod()->count(), 0);
    EXPECT_THROW(window->txtOutput(2), std::out_of_range);  // element 2 comes with the load
    window->show();
    EXPECT_NO_THROW(window->txtOutput(2));
    EXPECT_EQ(window->tmrCalc()->interval(), 100);
    window->txtStepsPerTick()->setText("10");
    window->cmdStartStop()->click();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return window->txtOutput(1)->toPlainText().contains("ShootCount: 20"); }));
    window->close();
}

class Layout : public WindowTest {};

TEST_F(Layout, ClientAreaIsFixedAt4905By5745Twips) {
    const QSize size = Window().size();
    EXPECT_EQ(Window().minimumSize(), Window().maximumSize());
    Window().resize(600, 700);
    EXPECT_EQ(Window().size(), size);
    EXPECT_EQ(Window().centralWidget()->size(), QSize(327, 383));
}

TEST_F(Layout, BothPagesShareOneSpotInFrontOfATabStripThatContainsNothing) {
    const std::vector<QWidget*> controls = {Window().picOutput(1),   Window().picOutput(2),
                                            Window().txtOutput(1),   Window().txtOutput(2),
                                            Window().cmdReset(),     Window().txtStepsPerTick(),
                                            Window().cmdStartStop(), Window().tabMethod()};
    for (QWidget* control : controls) {
        EXPECT_EQ(control->parentWidget(), Window().centralWidget())
            << control->objectName().toStdString();
        EXPECT_TRUE(control->isVisible()) << control->objectName().toStdString();
    }
    EXPECT_EQ(Window().picOutput(2)->geometry(), Window().picOutput(1)->geometry());
    EXPECT_EQ(Window().txtOutput(2)->geometry(), Window().txtOutput(1)->geometry());
    EXPECT_EQ(VisibleAt(Window().cmdStartStop()->geometry().center()), Window().cmdStartStop());
    EXPECT_EQ(VisibleAt(Window().cmdReset()->geometry().center()), Window().cmdReset());
    // Between panel and output field the tab strip's display area shows.
    EXPECT_TRUE(Window().tabMethod()->isAncestorOf(VisibleAt(QPoint(100, 204))));
}

TEST_F(Layout, IconIsAWhiteDiscWithABlackOutlineAt16And32Pixels) {
    const QIcon icon = Window().windowIcon();
    for (int size : {16, 32}) {
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
        const QImage image =
            icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;  // transparent corner
        EXPECT_EQ(image.pixel(size / 2, size / 2), qRgba(255, 255, 255, 255)) << size;
        const QRgb outline = image.pixel(size / 2, 1);  // on the rim
        EXPECT_GT(qAlpha(outline), 200) << size;
        EXPECT_LT(qGray(outline), 64) << size;
    }
}

// Only the output field in front takes the focus: the one behind cannot be seen.
TEST_F(Layout, TabKeyVisitsTheControlsInOrder) {
    Activate();
    for (Long method : {2, 1}) {
        SelectTab(method);
        Window().tabMethod()->setFocus(Qt::TabFocusReason);
        QList<QWidget*> visited;
        for (int i = 0; i < 5; ++i) {
            visited.append(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        const QList<QWidget*> expected = {Window().tabMethod()->tabBar(), Window().cmdStartStop(),
                                          Window().cmdReset(), Window().txtOutput(method),
                                          Window().txtStepsPerTick()};
        EXPECT_EQ(visited, expected) << "page " << method << " in front";
        EXPECT_EQ(QApplication::focusWidget(), Window().tabMethod()->tabBar());  // round again
    }
}

}  // namespace
}  // namespace quadrix::testing
