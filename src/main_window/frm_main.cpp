#include "main_window/frm_main.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRect>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>

#include <limits>
#include <stdexcept>

#include "main_window/message_box.h"
#include "main_window/method_panel.h"
#include "main_window/program_icon.h"

namespace quadrix {
namespace {

const char* const kCaption = "ZEKT Quadrix";
const char* const kInitialStepsText = "Steps per Tick (100 ms)";

// The layout is given in twips; at 96 dots per inch a device-independent pixel
// is 15 twips, and Qt's high-DPI scaling takes it from there.
constexpr int kTwipsPerPixel = 15;

QRect FromTwips(int left, int top, int width, int height) {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
            height / kTwipsPerPixel};
}

const QRect kClientArea = FromTwips(0, 0, 4905, 5745);
const QRect kTabMethodRect = FromTwips(120, 120, 4695, 5175);
const QRect kPicOutputRect = FromTwips(240, 480, 4455, 2535);
const QRect kTxtOutputRect = FromTwips(240, 3120, 4455, 1575);
const QRect kCmdStartStopRect = FromTwips(240, 4800, 1935, 375);
const QRect kCmdResetRect = FromTwips(2640, 4800, 2055, 375);
const QRect kTxtStepsPerTickRect = FromTwips(120, 5400, 2055, 285);

QString Caption(Long method) {
    return QString::fromUtf8(kMethodNames.at(static_cast<std::size_t>(method - 1)));
}

}  // namespace

frmMain::frmMain()
    : showMessage_([this](const QString& prompt) { MessageBox::Show(this, prompt); }) {
    Form_Initialize();
    CreateDesign();
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
    ClearTabs();
    {
        // Adding the first tab selects it, which is no click by the user.
        const QSignalBlocker noClick(tabMethod_);
        for (Long method = 1; method <= kMethodCount; ++method) {
            tabMethod_->addTab(new QWidget, Caption(method));
        }
    }
    LoadPage(2);
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

MethodPanel* frmMain::picOutput(Long method) const {
    MethodPanel* element = picOutput_[Slot(method)];
    if (element == nullptr) {
        throw std::out_of_range("picOutput element not loaded");
    }
    return element;
}

QPlainTextEdit* frmMain::txtOutput(Long method) const {
    QPlainTextEdit* element = txtOutput_[Slot(method)];
    if (element == nullptr) {
        throw std::out_of_range("txtOutput element not loaded");
    }
    return element;
}

void frmMain::SetMessageShower(MessageShower shower) {
    showMessage_ = std::move(shower);
}

void frmMain::CreateDesign() {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromUtf8(kCaption));
    setWindowIcon(ProgramIcon::Make());
    // Closing the window unloads it: controls, timer and estimators go with it.
    setAttribute(Qt::WA_DeleteOnClose);

    CreateMenu();
    auto* clientArea = new QWidget(this);
    clientArea->setObjectName(QStringLiteral("clientArea"));
    clientArea->setFixedSize(kClientArea.size());
    setCentralWidget(clientArea);
    CreateControls(clientArea);
    SetTabOrder();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void frmMain::CreateMenu() {
    mnuFile_ = menuBar()->addMenu(QStringLiteral("&Datei"));
    mnuFile_->setObjectName(QStringLiteral("mnuFile"));
    mnuFileExit_ = mnuFile_->addAction(QStringLiteral("B&eenden"));
    mnuFileExit_->setObjectName(QStringLiteral("mnuFileExit"));
    connect(mnuFileExit_, &QAction::triggered, this, &frmMain::mnuFileExit_Click);
}

// Created from back to front: a new child widget lies in front of its older siblings.
void frmMain::CreateControls(QWidget* clientArea) {
    tabMethod_ = new QTabWidget(clientArea);
    tabMethod_->setObjectName(QStringLiteral("tabMethod"));
    tabMethod_->setAccessibleName(QStringLiteral("Method"));
    tabMethod_->setGeometry(kTabMethodRect);
    connect(tabMethod_, &QTabWidget::currentChanged, this, &frmMain::tabMethod_Click);

    picOutput_[0] = CreatePicOutput(1);

    cmdStartStop_ =
        new QPushButton(QString::fromUtf8(CalculationController::kStartCaption), clientArea);
    cmdStartStop_->setObjectName(QStringLiteral("cmdStartStop"));
    cmdStartStop_->setGeometry(kCmdStartStopRect);
    connect(cmdStartStop_, &QPushButton::clicked, this, &frmMain::cmdStartStop_Click);

    cmdReset_ = new QPushButton(QStringLiteral("&Reset"), clientArea);
    cmdReset_->setObjectName(QStringLiteral("cmdReset"));
    cmdReset_->setGeometry(kCmdResetRect);
    connect(cmdReset_, &QPushButton::clicked, this, &frmMain::cmdReset_Click);

    txtOutput_[0] = CreateTxtOutput(1);

    txtStepsPerTick_ = new QLineEdit(QString::fromUtf8(kInitialStepsText), clientArea);
    txtStepsPerTick_->setObjectName(QStringLiteral("txtStepsPerTick"));
    txtStepsPerTick_->setAccessibleName(QStringLiteral("Steps per tick"));
    txtStepsPerTick_->setGeometry(kTxtStepsPerTickRect);
    txtStepsPerTick_->setMaxLength(std::numeric_limits<int>::max());
    txtStepsPerTick_->setCursorPosition(0);  // show the text from its start

    tmrCalc_ = new QTimer(this);
    tmrCalc_->setObjectName(QStringLiteral("tmrCalc"));
    connect(tmrCalc_, &QTimer::timeout, this, &frmMain::tmrCalc_Timer);
}

void frmMain::SetTabOrder() {
    setTabOrder(tabMethod_, cmdStartStop_);
    setTabOrder(cmdStartStop_, cmdReset_);
    setTabOrder(cmdReset_, txtOutput_[0]);
    setTabOrder(txtOutput_[0], txtStepsPerTick_);
}

MethodPanel* frmMain::CreatePicOutput(Long method) const {
    MethodPanel* panel = MethodPanel::ForMethod(method, centralWidget());
    panel->setObjectName(QStringLiteral("picOutput(%1)").arg(method));
    panel->setAccessibleName(Caption(method) + QStringLiteral(" picture"));
    panel->setGeometry(kPicOutputRect);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::white);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
    return panel;
}

QPlainTextEdit* frmMain::CreateTxtOutput(Long method) const {
    auto* field = new QPlainTextEdit(centralWidget());
    field->setObjectName(QStringLiteral("txtOutput(%1)").arg(method));
    field->setAccessibleName(Caption(method) + QStringLiteral(" output"));
    field->setGeometry(kTxtOutputRect);
    field->setReadOnly(true);
    field->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    field->setLineWrapMode(QPlainTextEdit::NoWrap);
    field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    field->setTabChangesFocus(true);
    return field;
}

// Element `method` of both control arrays, as a copy of element 1 that lies on
// the same spot; hidden when created, then shown.
void frmMain::LoadPage(Long method) {
    const std::size_t slot = Slot(method);
    picOutput_[slot] = CreatePicOutput(method);
    picOutput_[slot]->setVisible(false);
    picOutput_[slot]->setVisible(true);

    txtOutput_[slot] = CreateTxtOutput(method);
    txtOutput_[slot]->setPlainText(txtOutput(1)->toPlainText());
    txtOutput_[slot]->setVisible(false);
    txtOutput_[slot]->setVisible(true);

    setTabOrder(txtOutput(method - 1), txtOutput_[slot]);
    setTabOrder(txtOutput_[slot], txtStepsPerTick_);
}

void frmMain::ClearTabs() {
    while (tabMethod_->count() > 0) {
        delete tabMethod_->widget(0);
    }
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
void frmMain::SetOutputText(Long method, const std::string& text) {
    txtOutput(method)->setPlainText(QString::fromStdString(text));
}

void frmMain::BringPageToFront(Long method) {
    picOutput(method)->raise();
    QPlainTextEdit* front = txtOutput(method);
    front->raise();
    front->setFocusPolicy(Qt::StrongFocus);
    // The field behind cannot be seen, so it takes no keyboard focus.
    for (QPlainTextEdit* field : txtOutput_) {
        if (field == nullptr || field == front) {
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
    return tabMethod_->currentIndex() + 1;
}

void frmMain::ShowMessage(const std::string& prompt) {
    showMessage_(QString::fromStdString(prompt));
}

void frmMain::ShowState(Long method, const EstimatorState& state) {
    picOutput(method)->ShowState(state);
}

void frmMain::ForgetRun(Long method) {
    picOutput(method)->ForgetRun();
}

std::size_t frmMain::Slot(Long method) {
    if (method < 1 || method > kMethodCount) {
        throw std::out_of_range("method index outside 1.." + std::to_string(kMethodCount));
    }
    return static_cast<std::size_t>(method - 1);
}

}  // namespace quadrix
