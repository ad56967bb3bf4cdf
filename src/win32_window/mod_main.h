// Start-up and shutdown: the single main window, counted while open, released at exit.
#pragma once

#include <memory>

#include "runtime/long_arithmetic.h"
#include "win32_window/frm_main.h"

// Start-up and shutdown: shows the program's single window and ends the program
// through the menu's exit item. The program ends once no window is open any more.
namespace quadrix::modMain {

// Windows counted as open. When the count falls to 0 the main window is unloaded.
extern Long OpenWindowCount;

// The single main window; none before it is created and after it is released.
// Closed through its frame it is unloaded but kept.
extern std::unique_ptr<frmMain> MainWindowRef;

// The program's entry routine: counts the window as open, creates it and shows it.
void Main();

// The main window, created on first use.
frmMain& MainWindow();

// Counts a window as opened (closing false) or closed (closing true); at 0 the
// main window is unloaded and released.
void TrackWindow(bool closing);

}  // namespace quadrix::modMain
