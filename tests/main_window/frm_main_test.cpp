#include <QAbstractButton>
#include <QIcon>
#include <QImage>
#include <QMessageBox>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "main_window/window_test.h"

namespace quadrix::testing {
namespace {

class MainWindow : public WindowTest {};

// Screen readers find every control by name.
TEST_F(MainWindow, StartsWithTheShootingTabNothingRunningAndEveryControlNamed) {
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
    const std::vector<std::pair<QWidget*, QString>> names = {
        {Window().tabMethod(), "Method"},
        {Window().txtStepsPerTick(), "Steps per tick"},
        {Window().picOutput(1), "Pi per shoot picture"},
        {Window().picOutput(2), "Pi per stripe picture"},
        {Window().txtOutput(1), "Pi per shoot output"},
        {Window().txtOutput(2), "Pi per stripe output"},
    };
    for (const auto& [widget, name] : names) {
        EXPECT_EQ(widget->accessibleName(), name);
    }
    EXPECT_EQ(Window().cmdReset()->text(), "&Reset");
}

TEST_F(MainWindow, FirstShowLoadsThePagesAndStartsTheTimerThatDrivesTheMethods) {
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

// A client area of 4905 x 5745 twips; both pages on one spot, in front of a tab
// strip that contains nothing.
TEST_F(MainWindow, FixedLayoutWithBothPagesOnOneSpot) {
    const QSize size = Window().size();
    EXPECT_EQ(Window().minimumSize(), Window().maximumSize());
    Window().resize(600, 700);
    EXPECT_EQ(Window().size(), size);
    EXPECT_EQ(Window().centralWidget()->size(), QSize(327, 383));
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

TEST_F(MainWindow, IconIsAWhiteDiscWithABlackOutlineAt16And32Pixels) {
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
TEST_F(MainWindow, TabKeyVisitsTheControlsInOrder) {
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

TEST_F(MainWindow, SelectingATabByMouseOrKeyBringsItsPageToTheFront) {
    const QPoint outputCentre = Window().txtOutput(1)->geometry().center();
    const QPoint panelCentre = Window().picOutput(1)->geometry().center();
    const auto expectInFront = [&](Long method) {
        EXPECT_EQ(Window().SelectedMethod(), method);
        EXPECT_EQ(VisibleAt(panelCentre), Window().picOutput(method));
        EXPECT_TRUE(Window().txtOutput(method)->isAncestorOf(VisibleAt(outputCentre)));
    };
    expectInFront(1);
    SelectTab(2);
    expectInFront(2);
    SelectTab(1);
    expectInFront(1);
    Activate();
    Window().tabMethod()->tabBar()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Window().tabMethod()->tabBar(), Qt::Key_Right);
    expectInFront(2);
}

// The field shows the state text's four lines; the drawing shows the same shots
// and tells screen readers what it shows, its name and the focus untouched.
TEST_F(MainWindow, ATickShowsTheStateInTheFieldAndTheDrawingWhileTheStepsAreLocked) {
    StartMethod(1, "10");
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClicks(Window().txtStepsPerTick(), "5");
    EXPECT_EQ(Window().txtStepsPerTick()->text(), "10");
    Tick();
    const std::string text = Window().Generators(1).StateDescr();
    EXPECT_EQ(Window().txtOutput(1)->blockCount(), 4);
    EXPECT_EQ(Output(1), QString::fromStdString(text).replace("\r\n", "\n"));
    const auto& dots = ShootDrawing().Dots();
    ASSERT_EQ(dots.size(), 10u);
    const auto hits =
        std::count_if(dots.begin(), dots.end(), [](const auto& dot) { return dot.hit; });
    EXPECT_EQ(hits, static_cast<const QuadrixShoot&>(Window().Generators(1)).HitCount());
    EXPECT_FALSE(StripeDrawing().HasState());
    const QString description = Window().picOutput(1)->accessibleDescription();
    EXPECT_TRUE(description.startsWith(QString::fromStdString(ShootDrawing().Caption()) + ". "))
        << description.toStdString();
    EXPECT_TRUE(description.contains(QStringLiteral("The latest 10 shots: %1 hits").arg(hits)))
        << description.toStdString();
    EXPECT_TRUE(description.contains("Error plot of 1 ticks")) << description.toStdString();
    EXPECT_EQ(Window().picOutput(1)->accessibleName(), "Pi per shoot picture");
    EXPECT_EQ(QApplication::focusWidget(), focused);
}

// Neither the exit item nor the frame's close button leaves the timer running.
TEST_F(MainWindow, ExitAndCloseStopTheTimerFirst) {
    StartMethod(1, "5");
    Window().tmrCalc()->start();
    Window().mnuFileExit()->trigger();
    EXPECT_FALSE(Window().tmrCalc()->isActive());

    QPointer<frmMain> other = new frmMain;
    other->show();
    QPointer<QTimer> timer = other->tmrCalc();
    ASSERT_TRUE(timer->isActive());
    other->close();
    EXPECT_FALSE(timer.isNull() || timer->isActive());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(other.isNull());
}

// The real modal box runs a nested event loop in which the timer keeps firing:
// each failing method shows its own box, one at a time, each closed by OK.
TEST(MessageBoxShown, OneBoxAtATimeWhileTheTimerTicks) {
    QPointer<frmMain> window = new frmMain;
    window->show();
    window->txtStepsPerTick()->setText("3000000000");  // a number beyond Long
    window->cmdStartStop()->click();
    window->tabMethod()->setCurrentIndex(1);
    window->cmdStartStop()->click();

    QStringList prompts;
    int mostBoxes = 0;
    QTimer closer;
    int polls = 0;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        const auto boxes = window->findChildren<QMessageBox*>();
        const auto shown = std::count_if(boxes.begin(), boxes.end(),
                                         [](QMessageBox* box) { return box->isVisible(); });
        mostBoxes = std::max(mostBoxes, static_cast<int>(shown));
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || ++polls % 6 != 0) {
            return;  // each box stays open for a few ticks
        }
        EXPECT_EQ(box->windowTitle(), "Quadrix");
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->buttons().size(), 1);
        EXPECT_TRUE(box->text().startsWith("Overflow\n\n")) << box->text().toStdString();
        prompts.append(box->text().split('\n').value(2).section(':', 0, 0));
        box->button(QMessageBox::Ok)->click();
    });
    closer.start(60);
    EXPECT_TRUE(QTest::qWaitFor([&] { return prompts.size() == 2; }, 10000));
    QTest::qWait(300);
    EXPECT_EQ(prompts, (QStringList{"Pi per shoot stopped", "Pi per stripe stopped"}));
    EXPECT_EQ(mostBoxes, 1);
    EXPECT_FALSE(window->Running(1) || window->Running(2));
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
}  // namespace quadrix::testing
