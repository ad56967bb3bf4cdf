#include <QAccessible>
#include <QFrame>
#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QMenuBar>

#include "main_window/window_test.h"

namespace quadrix::testing {
namespace {

QString AccessibleName(QObject* object) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    return accessible == nullptr ? QString() : accessible->text(QAccessible::Name);
}

class AfterStartUp : public WindowTest {};

TEST_F(AfterStartUp, ShootingTabIsSelectedAndNothingRuns) {
    QTabWidget* tabs = Window().tabMethod();
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), "Pi per shoot");
    EXPECT_EQ(tabs->tabText(1), "Pi per stripe");
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(Window().SelectedMethod(), 1);
    EXPECT_FALSE(Window().Running(1));
    EXPECT_FALSE(Window().Running(2));
    EXPECT_EQ(Caption(), "&Start");
    EXPECT_EQ(Window().txtStepsPerTick()->text(), "Steps per Tick (100 ms)");
    EXPECT_FALSE(StepsLocked());
    EXPECT_EQ(Output(1), "");
    EXPECT_EQ(Output(2), "");
    EXPECT_EQ(Window().windowTitle(), "ZEKT Quadrix");
}

TEST_F(AfterStartUp, TimerTicksEveryTenthSecond) {
    // The fixture stopped it; the load sequence had started it.
    frmMain* window = new frmMain;
    window->show();
    EXPECT_TRUE(window->tmrCalc()->isActive());
    EXPECT_EQ(window->tmrCalc()->interval(), 100);
    window->close();
}

TEST_F(AfterStartUp, TimerIsOffUntilTheWindowIsLoaded) {
    frmMain* window = new frmMain;
    EXPECT_FALSE(window->tmrCalc()->isActive());
    EXPECT_EQ(window->tmrCalc()->interval(), 0);
    EXPECT_EQ(window->tabMethod()->count(), 0);
    EXPECT_THROW(window->txtOutput(2), std::out_of_range);  // element 2 comes with the load
    window->show();
    EXPECT_NO_THROW(window->txtOutput(2));
    window->close();
}

TEST_F(AfterStartUp, TicksWithNothingRunningChangeNothing) {
    Tick();
    Tick();
    EXPECT_EQ(Output(1), "");
    EXPECT_EQ(Output(2), "");
}

TEST_F(AfterStartUp, RealTimerDrivesARunningMethod) {
    StartMethod(1, "10");
    Window().tmrCalc()->start();
    EXPECT_TRUE(WaitUntil([this] { return Output(1).contains("ShootCount: 20"); }));
}

class Layout : public WindowTest {};

TEST_F(Layout, ClientAreaIsFixedAt4905By5745Twips) {
    EXPECT_EQ(Window().centralWidget()->size(), QSize(327, 383));
    EXPECT_EQ(Window().minimumSize(), Window().maximumSize());
    EXPECT_EQ(Window().height(), 383 + Window().menuBar()->height());
    Window().resize(600, 700);
    EXPECT_EQ(Window().centralWidget()->size(), QSize(327, 383));
}

TEST_F(Layout, ControlsStandWhereTheTwipsPut) {
    // Twips / 15.
    EXPECT_EQ(Window().tabMethod()->geometry(), QRect(8, 8, 313, 345));
    EXPECT_EQ(Window().picOutput(1)->geometry(), QRect(16, 32, 297, 169));
    EXPECT_EQ(Window().txtOutput(1)->geometry(), QRect(16, 208, 297, 105));
    EXPECT_EQ(Window().cmdStartStop()->geometry(), QRect(16, 320, 129, 25));
    EXPECT_EQ(Window().cmdReset()->geometry(), QRect(176, 320, 137, 25));
    EXPECT_EQ(Window().txtStepsPerTick()->geometry(), QRect(8, 360, 137, 19));
}

TEST_F(Layout, BothPagesShareOneRectangleAndAreVisible) {
    for (Long method : {1, 2}) {
        EXPECT_TRUE(Window().picOutput(method)->isVisible()) << method;
        EXPECT_TRUE(Window().txtOutput(method)->isVisible()) << method;
    }
    EXPECT_EQ(Window().picOutput(2)->geometry(), Window().picOutput(1)->geometry());
    EXPECT_EQ(Window().txtOutput(2)->geometry(), Window().txtOutput(1)->geometry());
}

TEST_F(Layout, TabStripLiesBehindAndContainsNothing) {
    QWidget* clientArea = Window().centralWidget();
    const QList<QWidget*> controls = {Window().picOutput(1),      Window().picOutput(2),
                                      Window().txtOutput(1),      Window().txtOutput(2),
                                      Window().cmdStartStop(),    Window().cmdReset(),
                                      Window().txtStepsPerTick(), Window().tabMethod()};
    for (QWidget* control : controls) {
        EXPECT_EQ(control->parentWidget(), clientArea) << control->objectName().toStdString();
    }
    EXPECT_EQ(VisibleAt(Window().cmdStartStop()->geometry().center()), Window().cmdStartStop());
    EXPECT_EQ(VisibleAt(Window().cmdReset()->geometry().center()), Window().cmdReset());
    EXPECT_EQ(VisibleAt(Window().picOutput(1)->geometry().center()), Window().picOutput(1));
    // Between panel and output field the tab strip's display area shows.
    EXPECT_TRUE(Window().tabMethod()->isAncestorOf(VisibleAt(QPoint(100, 204))));
}

TEST_F(Layout, ShootingPageLiesInFront) {
    EXPECT_EQ(VisibleAt(Window().picOutput(1)->geometry().center()), Window().picOutput(1));
    EXPECT_TRUE(
        Window().txtOutput(1)->isAncestorOf(VisibleAt(Window().txtOutput(1)->geometry().center())));
}

TEST_F(Layout, OutputFieldIsReadOnlyUnwrappedAndScrollsBothWays) {
    for (Long method : {1, 2}) {
        QPlainTextEdit* field = Window().txtOutput(method);
        EXPECT_TRUE(field->isReadOnly());
        EXPECT_TRUE(field->textInteractionFlags() & Qt::TextSelectableByMouse);
        EXPECT_TRUE(field->textInteractionFlags() & Qt::TextSelectableByKeyboard);
        EXPECT_EQ(field->lineWrapMode(), QPlainTextEdit::NoWrap);
        EXPECT_EQ(field->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        EXPECT_EQ(field->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }
    QTest::keyClicks(Window().txtOutput(1), "typed");
    EXPECT_EQ(Output(1), "");
}

TEST_F(Layout, IconIsAWhiteDiscWithABlackOutlineAt16And32Pixels) {
    const QIcon icon = Window().windowIcon();
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    for (int size : {16, 32}) {
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

class Accessibility : public WindowTest {};

TEST_F(Accessibility, EveryControlHasItsName) {
    EXPECT_EQ(AccessibleName(Window().txtStepsPerTick()), "Steps per tick");
    EXPECT_EQ(AccessibleName(Window().txtOutput(1)), "Pi per shoot output");
    EXPECT_EQ(AccessibleName(Window().txtOutput(2)), "Pi per stripe output");
    EXPECT_EQ(AccessibleName(Window().picOutput(1)), "Pi per shoot picture");
    EXPECT_EQ(AccessibleName(Window().picOutput(2)), "Pi per stripe picture");
    EXPECT_EQ(AccessibleName(Window().cmdStartStop()), "Start");
    EXPECT_EQ(AccessibleName(Window().cmdReset()), "Reset");
    EXPECT_FALSE(AccessibleName(Window().tabMethod()).isEmpty());
}

TEST_F(Accessibility, TabsAreNamedByTheirCaptions) {
    QAccessibleInterface* tabs =
        QAccessible::queryAccessibleInterface(Window().tabMethod()->tabBar());
    ASSERT_NE(tabs, nullptr);
    QStringList names;
    for (int i = 0; i < tabs->childCount(); ++i) {
        names.append(tabs->child(i)->text(QAccessible::Name));
    }
    EXPECT_TRUE(names.contains("Pi per shoot"));
    EXPECT_TRUE(names.contains("Pi per stripe"));
}

TEST_F(Accessibility, MenuAndItemAreNamedByTheirCaptions) {
    QAccessibleInterface* menuBar = QAccessible::queryAccessibleInterface(Window().menuBar());
    ASSERT_NE(menuBar, nullptr);
    ASSERT_EQ(menuBar->childCount(), 1);
    EXPECT_EQ(menuBar->child(0)->text(QAccessible::Name), "Datei");
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(Window().mnuFile());
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->childCount(), 1);
    EXPECT_EQ(menu->child(0)->text(QAccessible::Name), "Beenden");
}

TEST_F(Accessibility, AltSStartsAndStopsTheSelectedMethod) {
    Activate();
    TypeSteps("10");
    QTest::keyClick(&Window(), Qt::Key_S, Qt::AltModifier);
    ASSERT_TRUE(WaitUntil([this] { return Window().Running(1); }));
    EXPECT_EQ(Caption(), "&Stop");
    QTest::keyClick(&Window(), Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(WaitUntil([this] { return !Window().Running(1); }));
}

TEST_F(Accessibility, AltRResetsTheSelectedMethod) {
    StartMethod(1, "10");
    Tick();
    Activate();
    QTest::keyClick(&Window(), Qt::Key_R, Qt::AltModifier);
    ASSERT_TRUE(WaitUntil([this] { return Window().Generators(1).Count() == 0; }));
}

TEST_F(Accessibility, TabKeyVisitsTheControlsInOrder) {
    Activate();
    Window().tabMethod()->setFocus(Qt::TabFocusReason);
    QList<QWidget*> visited;
    for (int i = 0; i < 5; ++i) {
        visited.append(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    const QList<QWidget*> expected = {Window().tabMethod()->tabBar(), Window().cmdStartStop(),
                                      Window().cmdReset(), Window().txtOutput(1),
                                      Window().txtStepsPerTick()};
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(QApplication::focusWidget(), Window().tabMethod()->tabBar());  // and round again
}

TEST_F(Accessibility, OnlyTheOutputFieldInFrontTakesTheFocus) {
    SelectTab(2);
    Activate();
    Window().cmdReset()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Window().cmdReset(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Window().txtOutput(2));
    QTest::keyClick(Window().txtOutput(2), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Window().txtStepsPerTick());
}

}  // namespace
}  // namespace quadrix::testing
