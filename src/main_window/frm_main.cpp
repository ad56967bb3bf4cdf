// The program's only window: tabs, pages, buttons, the steps field, the menu and the timer.
#include "main_window/frm_main.h"

#include <QCloseEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRect>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>
#include <limits>
#include <string_view>
#include <tuple>
#include <vector>

#include "main_window/message_box.h"
#include "main_window/method_panel.h"
#include "main_window/program_icon.h"
#include "panel_models/window_layout.h"

namespace quadrix {
namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Qt's high-DPI scaling takes device-independent pixels on from here.
QRect InPixels(const TwipsRect& rect) {
    return {rect.left / kTwipsPerPixelAt96Dpi, rect.top / kTwipsPerPixelAt96Dpi,
            rect.width / kTwipsPerPixelAt96Dpi, rect.height / kTwipsPerPixelAt96Dpi};
}

QPlainTextEdit* CreateOutputField(QWidget* parent) {
    auto* field = new QPlainTextEdit(parent);
    field->setReadOnly(true);
    field->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    field->setLineWrapMode(QPlainTextEdit::NoWrap);
    field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    field->setTabChangesFocus(true);
    return field;
}

// Each control's place in the focus order: its tab order, its method's index.
using FocusOrder = std::vector<std::tuple<int, Long, QWidget*>>;

// The layout's focus order, the elements of a control array one after the other;
// controls that take no focus, such as the panels, stay out of it.
void SetTabOrder(FocusOrder& order) {
    std::erase_if(order, [](const auto& entry) {
        return std::get<QWidget*>(entry)->focusPolicy() == Qt::NoFocus;
    });
    std::sort(order.begin(), order.end());
    for (std::size_t next = 1; next < order.size(); ++next) {
        QWidget::setTabOrder(std::get<QWidget*>(order[next - 1]), std::get<QWidget*>(order[next]));
    }
}

QLineEdit* CreateStepsField(const ControlDesign& design, QWidget* parent) {
    auto* field = new QLineEdit(ToQString(design.text), parent);
    field->setMaxLength(std::numeric_limits<int>::max());
    field->setCursorPosition(0);  // show the text from its start
    return field;
}

}  // namespace

frmMain::frmMain() : showMessage_([this](const QString& prompt) { ShowMessageBox(this, prompt); }) {
    Form_Initialize();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(ToQString(kWindowCaption));
    setWindowIcon(ProgramIcon());
    // Closing the window unloads it: controls, timer and estimators go with it.
    setAttribute(Qt::WA_DeleteOnClose);

    CreateMenu();
    auto* clientArea = new QWidget(this);
    clientArea->setObjectName(QStringLiteral("clientArea"));
    clientArea->setFixedSize(InPixels(kClientArea).size());
    setCentralWidget(clientArea);
    CreateControls(clientArea);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

frmMain::~frmMain() = default;

void frmMain::setVisible(bool visible) {
    if (visible && !loaded_) {
        loaded_ = true;
        Form_Load();
    }
    QMainWindow::setVisible(visible);
}

void frmMain::Form_Initialize() {
    CalculationWindow& window = *this;
    controller_ = std::make_unique<CalculationController>(window);
}

void frmMain::Form_Load() {
    {
        // Adding the first tab selects it, which is no click by the user.
        const QSignalBlocker noClick(tabMethod_);
        for (const Method method : kMethods) {
            tabMethod_->addTab(new QWidget, ToQString(MethodName(method)));
        }
    }
    tabMethod_Click();
    tmrCalc_->setInterval(kTickMilliseconds);
    tmrCalc_->start();
}

void frmMain::tmrCalc_Timer() {
    controller_->Tick();
}

void frmMain::cmdStartStop_Click() {
    controller_->StartStop();
}

void frmMain::cmdReset_Click() {
    controller_->Reset();
}

void frmMain::tabMethod_Click() {
    controller_->SelectTab();
}

void frmMain::mnuFileExit_Click() {
    // No tick may come between the exit and the end of the program.
    tmrCalc_->stop();
    emit ExitChosen();
}

void frmMain::closeEvent(QCloseEvent* event) {
    tmrCalc_->stop();
    QMainWindow::closeEvent(event);
}

void frmMain::SetMessageShower(MessageShower shower) {
    showMessage_ = std::move(shower);
}

void frmMain::CreateMenu() {
    QMenu* mnuFile = menuBar()->addMenu(ToQString(kFileMenuCaption));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    QAction* mnuFileExit = mnuFile->addAction(ToQString(kExitCaption));
    mnuFileExit->setObjectName(QStringLiteral("mnuFileExit"));
    connect(mnuFileExit, &QAction::triggered, this, &frmMain::mnuFileExit_Click);
}

// A new child widget lies in front of its older siblings: created from back to front.
// Both pages are laid out in advance, on one spot.
void frmMain::CreateControls(QWidget* clientArea) {
    FocusOrder focusOrder;
    std::for_each(kControls.rbegin(), kControls.rend(), [&](const ControlDesign& design) {
        for (const Method method : kMethods) {
            if (design.perMethod || method == Method::kShooting) {
                QWidget* control = CreateControl(design, method, clientArea);
                focusOrder.emplace_back(design.tabOrder, IndexOf(method), control);
            }
        }
    });
    SetTabOrder(focusOrder);
    connect(tabMethod_, &QTabWidget::currentChanged, this, &frmMain::tabMethod_Click);
    connect(cmdStartStop_, &QPushButton::clicked, this, &frmMain::cmdStartStop_Click);
    connect(cmdReset_, &QPushButton::clicked, this, &frmMain::cmdReset_Click);

    tmrCalc_ = new QTimer(this);
    tmrCalc_->setObjectName(QStringLiteral("tmrCalc"));
    connect(tmrCalc_, &QTimer::timeout, this, &frmMain::tmrCalc_Timer);
}

QWidget* frmMain::CreateControl(const ControlDesign& design, Method method, QWidget* clientArea) {
    QWidget* widget = nullptr;
    switch (design.kind) {
        case ControlKind::kTabStrip:
            widget = tabMethod_ = new QTabWidget(clientArea);
            break;
        case ControlKind::kPictureBox:
            widget = picOutput_[SlotOf(method)] = new MethodPanel(method, clientArea);
            break;
        case ControlKind::kMultiLineTextBox:
            widget = txtOutput_[SlotOf(method)] = CreateOutputField(clientArea);
            break;
        case ControlKind::kTextBox:
            widget = txtStepsPerTick_ = CreateStepsField(design, clientArea);
            break;
        case ControlKind::kCommandButton:
            auto* button = new QPushButton(ToQString(design.text), clientArea);
            (design.name == "cmdReset" ? cmdReset_ : cmdStartStop_) = button;
            widget = button;
            break;
    }
    widget->setObjectName(design.perMethod ? QString::fromStdString(ElementName(design, method))
                                           : ToQString(design.name));
    widget->setGeometry(InPixels(design.rect));
    if (!design.accessibleName.empty()) {
        widget->setAccessibleName(QString::fromStdString(AccessibleName(design, method)));
    }
    return widget;
}

std::string frmMain::StepsText() const {
    return txtStepsPerTick_->text().toStdString();
}

void frmMain::LockSteps(bool locked) {
    txtStepsPerTick_->setReadOnly(locked);
}

void frmMain::SetStartStopCaption(const std::string& caption) {
    cmdStartStop_->setText(QString::fromStdString(caption));
}

// The field takes CR LF as one line break.
void frmMain::SetOutputText(Method method, const std::string& text) {
    txtOutput_[SlotOf(method)]->setPlainText(QString::fromStdString(text));
}

void frmMain::BringPageToFront(Method method) {
    picOutput_[SlotOf(method)]->raise();
    QPlainTextEdit* front = txtOutput_[SlotOf(method)];
    front->raise();
    front->setFocusPolicy(Qt::StrongFocus);
    // The field behind cannot be seen, so it takes no keyboard focus.
    for (QPlainTextEdit* field : txtOutput_) {
        if (field == front) {
            continue;
        }
        const bool hadFocus = field->hasFocus();
        field->setFocusPolicy(Qt::NoFocus);
        if (hadFocus) {
            front->setFocus(Qt::OtherFocusReason);
        }
    }
}

Long frmMain::SelectedTabIndex() const {
    return MethodIndexOfTab(tabMethod_->currentIndex());
}

void frmMain::ShowMessage(const std::string& prompt) {
    showMessage_(QString::fromStdString(prompt));
}

void frmMain::ShowState(Method method, const EstimatorState& state) {
    picOutput_[SlotOf(method)]->ShowState(state);
}

void frmMain::ForgetRun(Method method) {
    picOutput_[SlotOf(method)]->ForgetRun();
}

}  // namespace quadrix
