// Fuzzes the window's calculation control: the input is read as a list of user
// actions on an offscreen window, and after each one the window must agree
// with the model kept by ControllerDriver. One byte per action:
//   t<text>;  types the text into the steps field (up to the ";" or 24 bytes);
//             bytes from 0x80 on stand for a few non-ASCII characters
//   s  Start/Stop     r  Reset     1, 2  selects that tab
//   .  timer tick     p  lets the window handle its events and paints it
// Any other byte is one of these actions by its value. A tick that would fire
// more than 2^16 shots or sum more than 2^16 stripes is left out, so that each
// input runs in milliseconds.
#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "controller_driver.h"
#include "fuzz_failure.h"
#include "fuzz_input.h"
#include "main_window/frm_main.h"

namespace quadrix::fuzzing {
namespace {

constexpr std::int64_t kTickBudget = std::int64_t{1} << 16;
constexpr int kLongestText = 24;

// Characters a user may type that look like digits, signs or blanks but are not ASCII.
constexpr std::array<char16_t, 6> kLookalikes = {
    u'\u00e4',  // a umlaut
    u'\u00a0',  // no-break space
    u'\u0663',  // Arabic-Indic digit three
    u'\u2212',  // minus sign
    u'\uff11',  // fullwidth digit one
    u'\u066b',  // Arabic decimal separator
};

QChar TypedCharacter(std::uint8_t byte) {
    if (byte >= 0x80) {
        return {kLookalikes[byte % kLookalikes.size()]};
    }
    if (byte < 0x20 || byte == 0x7f) {
        return QLatin1Char(static_cast<char>('0' + byte % 10));
    }
    return QLatin1Char(static_cast<char>(byte));
}

QString TakeTypedText(FuzzInput& input) {
    QString text;
    while (!input.Exhausted() && text.size() < kLongestText) {
        const std::uint8_t byte = input.TakeByte();
        if (byte == ';') {
            break;
        }
        text.append(TypedCharacter(byte));
    }
    return text;
}

void TickIfCheap(ControllerDriver& driver) {
    if (driver.NextTickCost() <= kTickBudget) {
        driver.Tick();
    }
}

void PerformNextAction(ControllerDriver& driver, FuzzInput& input, frmMain& window) {
    static constexpr std::array<char, 7> kActions = {'t', 's', 'r', '1', '2', '.', 'p'};
    const std::uint8_t byte = input.TakeByte();
    char action = static_cast<char>(byte);
    if (std::string_view("tsr12.p").find(action) == std::string_view::npos) {
        action = kActions[byte % kActions.size()];
    }
    switch (action) {
        case 't':
            driver.TypeSteps(TakeTypedText(input));
            break;
        case 's':
            driver.ClickStartStop();
            break;
        case 'r':
            driver.ClickReset();
            break;
        case '1':
        case '2':
            driver.SelectTab(action - '0');
            break;
        case '.':
            TickIfCheap(driver);
            break;
        default:
            driver.ProcessEvents();
            window.grab();  // paints every control, the panels' drawings among them
            break;
    }
}

}  // namespace
}  // namespace quadrix::fuzzing

namespace {

// Qt's debug messages and warnings, such as the offscreen platform's notes on
// what it does not support, would fill the fuzzer's log at every input.
void IgnoreUpToWarnings(QtMsgType type, const QMessageLogContext& /*context*/,
                        const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** argv) {
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    qInstallMessageHandler(IgnoreUpToWarnings);
    static int applicationArgc = 1;
    static std::array<char*, 2> applicationArgv = {(*argv)[0], nullptr};
    // Lives as long as the process: every input gets a window of its own.
    new QApplication(applicationArgc, applicationArgv.data());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quadrix::fuzzing;
    auto* window = new quadrix::frmMain;
    // Loaded and visible as a widget, but with no window on the platform: that
    // would cost a backing store per input. Painting is rendered into an image.
    window->setAttribute(Qt::WA_DontShowOnScreen);
    window->show();
    {
        ControllerDriver driver(*window, [](const std::string& fault) {
            FuzzFailure("the window agrees with the model of its controller", fault);
        });
        FuzzInput input(data, size);
        while (!input.Exhausted()) {
            PerformNextAction(driver, input, *window);
        }
    }
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
