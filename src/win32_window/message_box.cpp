// The program's message box: the prompt, one OK button, no icon, titled "Quadrix".
#include "win32_window/message_box.h"

#include "win32_window/wide_text.h"

namespace quadrix {

void ShowMessageBox(HWND owner, std::string_view prompt) {
    MessageBoxW(owner, ToWide(prompt).c_str(), ToWide(kMessageBoxTitle).c_str(), MB_OK);
}

}  // namespace quadrix
