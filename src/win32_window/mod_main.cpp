// Start-up and shutdown: the single main window, counted while open, released at exit.
#include "win32_window/mod_main.h"

namespace quadrix::modMain {

Long OpenWindowCount = 0;
std::unique_ptr<frmMain> MainWindowRef;

void Main() {
    TrackWindow(false);
    MainWindow().Show();
}

frmMain& MainWindow() {
    if (!MainWindowRef) {
        MainWindowRef = std::make_unique<frmMain>();
        MainWindowRef->OnExitChosen([] { TrackWindow(true); });
    }
    return *MainWindowRef;
}

// Releasing the window from its own menu handler is safe: the window procedure
// touches the object no more once the handler has returned.
void TrackWindow(bool closing) {
    OpenWindowCount = LongAdd(OpenWindowCount, closing ? -1 : 1);
    if (OpenWindowCount != 0) {
        return;
    }
    if (MainWindowRef) {
        MainWindowRef->Unload();
    }
    MainWindowRef.reset();
}

}  // namespace quadrix::modMain
