// The main window: its design, its pages, its keyboard order, its boxes and its timer.
#include <QAbstractButton>
#include <QAction>
#include <QIcon>
#include <QImage>
#include <QMessageBox>

#include <algorithm>
#include <vector>

#include "support/window_test.h"

namespace quadrix::testing {
namespace {

class FrmMainTest : public WindowTest {};

// Screen readers find every control by name.
TEST_F(FrmMainTest, StartsAsDesignedWithEveryControlNamed) {
    QTabWidget* tabs = Tabs();
    EXPECT_EQ(tabs->count(), 2);
    EXPECT_FALSE(Window().Running(1) || Window().Running(2) || Steps()->isReadOnly());
    EXPECT_EQ(Output(1) + Output(2), "");
    const std::vector<std::pair<QString, QString>> texts = {
        {tabs->tabText(0), "Pi per shoot"},
        {tabs->tabText(1), "Pi per stripe"},
        {StartStop()->text(), "&Start"},
        {ResetButton()->text(), "&Reset"},
        {Steps()->text(), "Steps per Tick (100 ms)"},
        {Window().windowTitle(), "ZEKT Quadrix"},
        {tabs->accessibleName(), "Method"},
        {Steps()->accessibleName(), "Steps per tick"},
        {Panel(1)->accessibleName(), "Pi per shoot picture"},
        {Panel(2)->accessibleName(), "Pi per stripe picture"},
        {OutputField(1)->accessibleName(), "Pi per shoot output"},
        {OutputField(2)->accessibleName(), "Pi per stripe output"},
    };
    for (const auto& [shown, wanted] : texts) {
        EXPECT_EQ(shown, wanted);
    }
}

// A client area of 4905 x 5745 twips; both pages on one spot, in front of the tab strip.
TEST_F(FrmMainTest, KeepsItsSizeWithBothPagesOnOneSpot) {
    const QSize size = Window().size();
    Window().resize(600, 700);
    EXPECT_EQ(Window().size(), size);
    EXPECT_EQ(Window().centralWidget()->size(), QSize(327, 383));
    EXPECT_EQ(Panel(2)->geometry(), Panel(1)->geometry());
    EXPECT_EQ(OutputField(2)->geometry(), OutputField(1)->geometry());
    EXPECT_EQ(VisibleAt(StartStop()->geometry().center()), StartStop());
    EXPECT_EQ(VisibleAt(ResetButton()->geometry().center()), ResetButton());
    // Between panel and output field the tab strip's display area shows.
    EXPECT_TRUE(Tabs()->isAncestorOf(VisibleAt(QPoint(100, 204))));
}

TEST_F(FrmMainTest, IconIsAWhiteDiscWithABlackOutline) {
    const QIcon icon = Window().windowIcon();
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

// Only the output field in front takes the focus: the one behind cannot be seen.
TEST_F(FrmMainTest, TheTabKeyVisitsOnlyThePageInFront) {
    const QPoint outputCentre = OutputField(1)->geometry().center();
    const QPoint panelCentre = Panel(1)->geometry().center();
    const auto expectInFront = [&](Long method) {
        EXPECT_EQ(Window().SelectedMethod(), method);
        EXPECT_EQ(VisibleAt(panelCentre), Panel(method));
        EXPECT_TRUE(OutputField(method)->isAncestorOf(VisibleAt(outputCentre)));
    };
    Window().activateWindow();  // for the keyboard
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    expectInFront(1);
    for (Long method : {2, 1}) {
        SelectTab(method);
        expectInFront(method);
        Tabs()->setFocus(Qt::TabFocusReason);
        QList<QWidget*> visited;
        for (int i = 0; i < 5; ++i) {
            visited.append(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        const QList<QWidget*> expected = {Tabs()->tabBar(), StartStop(), ResetButton(),
                                          OutputField(method), Steps()};
        EXPECT_EQ(visited, expected) << "page " << method << " in front";
        EXPECT_EQ(QApplication::focusWidget(), Tabs()->tabBar());  // round again
    }
    QTest::keyClick(Tabs()->tabBar(), Qt::Key_Right);
    expectInFront(2);
}

// The field takes the state's text; the drawing takes the state and describes it anew.
TEST_F(FrmMainTest, ATickShowsTheStateInTheFieldAndTheDrawing) {
    StartMethod(1, "10");
    const QString undrawn = Panel(1)->accessibleDescription();
    Tick();
    const std::string text = Window().Generators(1).StateDescr();
    EXPECT_EQ(Output(1), QString::fromStdString(text).replace("\r\n", "\n"));
    EXPECT_NE(Panel(1)->accessibleDescription(), undrawn);
}

TEST_F(FrmMainTest, ExitStopsTheTimer) {
    StartMethod(1, "5");
    auto* timer = Find<QTimer>(Window(), "tmrCalc");
    timer->start();
    Find<QAction>(Window(), "mnuFileExit")->trigger();
    EXPECT_FALSE(timer->isActive());
}

// The first show loads the window: tabs, then a selected method, then the timer.
TEST_F(FrmMainTest, TimerRunsFromFirstShowToClose) {
    QPointer<frmMain> other = new frmMain;
    QPointer<QTimer> timer = Find<QTimer>(*other, "tmrCalc");
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(Find<QTabWidget>(*other, "tabMethod")->count(), 0);
    EXPECT_EQ(other->SelectedMethod(), 0);
    other->show();
    EXPECT_EQ(Find<QTabWidget>(*other, "tabMethod")->count(), 2);
    EXPECT_EQ(other->SelectedMethod(), 1);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 100);
    other->close();
    EXPECT_FALSE(timer.isNull() || timer->isActive());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(other.isNull());
}

// The real modal box runs a nested event loop in which the timer keeps firing.
TEST_F(FrmMainTest, ShowsOneBoxAtATimeWhileTheTimerTicks) {
    QPointer<frmMain> window = new frmMain;
    window->show();
    Find<QLineEdit>(*window, "txtStepsPerTick")->setText("3000000000");  // beyond Long
    Find<QPushButton>(*window, "cmdStartStop")->click();
    Find<QTabWidget>(*window, "tabMethod")->setCurrentIndex(1);
    Find<QPushButton>(*window, "cmdStartStop")->click();

    int boxes = 0;
    int mostBoxes = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        const auto open = window->findChildren<QMessageBox*>();
        mostBoxes = std::max(mostBoxes, static_cast<int>(std::count_if(
                                            open.begin(), open.end(),
                                            [](QMessageBox* box) { return box->isVisible(); })));
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr && ++boxes % 6 == 0) {  // each box stays open for a few ticks
            EXPECT_EQ(box->windowTitle(), "Quadrix");
            EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
            EXPECT_EQ(box->buttons().size(), 1);
            box->button(QMessageBox::Ok)->click();
        }
    });
    closer.start(60);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->Running(1) && !window->Running(2); }, 10000));
    QTest::qWait(300);
    EXPECT_EQ(mostBoxes, 1);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
}  // namespace quadrix::testing
