// Start-up and shutdown: the single main window, counted while open, released at exit.
#include "startup/mod_main.h"

namespace quadrix::modMain {

Long OpenWindowCount = 0;
QPointer<frmMain> MainWindowRef;

void Main() {
    TrackWindow(false);
    MainWindow().show();
}

frmMain& MainWindow() {
    if (MainWindowRef.isNull()) {
        MainWindowRef = new frmMain;
        QObject::connect(MainWindowRef, &frmMain::ExitChosen, [] { TrackWindow(true); });
    }
    return *MainWindowRef;
}

void TrackWindow(bool closing) {
    OpenWindowCount = LongAdd(OpenWindowCount, closing ? -1 : 1);
    if (OpenWindowCount != 0) {
        return;
    }
    if (!MainWindowRef.isNull()) {
        MainWindowRef->close();
    }
    MainWindowRef = nullptr;
}

}  // namespace quadrix::modMain
