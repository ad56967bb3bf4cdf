// The Windows program: checks the processor, starts the window and runs the message loop.
#include <windows.h>

#include <commctrl.h>
#include <gdiplus.h>
#include <objbase.h>

#include <exception>
#include <string>

#include "estimators/simd_targets.h"
#include "runtime/number_text.h"
#include "win32_window/message_box.h"
#include "win32_window/mod_main.h"
#include "win32_window/user_locale.h"

namespace {

// GDI+ and COM (for the screen readers' annotations) for as long as the program runs.
class Services {
  public:
    Services() {
        const Gdiplus::GdiplusStartupInput input;
        if (Gdiplus::GdiplusStartup(&gdiplus_, &input, nullptr) != Gdiplus::Ok) {
            throw std::runtime_error("GDI+ does not start");
        }
        com_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    }
    ~Services() {
        if (com_) {
            CoUninitialize();
        }
        Gdiplus::GdiplusShutdown(gdiplus_);
    }
    Services(const Services&) = delete;
    Services& operator=(const Services&) = delete;

  private:
    ULONG_PTR gdiplus_ = 0;
    bool com_ = false;
};

int RunMessageLoop() {
    MSG message{};
    BOOL got = FALSE;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        const auto& window = quadrix::modMain::MainWindowRef;
        if (window && window->TranslateDialogKeys(message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return got < 0 ? 1 : static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
    // First of all, before any code built for them runs: the instruction sets.
    const std::string missing = quadrix::simd_targets::MissingProcessorFeatures();
    if (!missing.empty()) {
        quadrix::ShowMessageBox(nullptr, "This processor lacks " + missing +
                                             ", which Quadrix needs. Quadrix cannot run on it.");
        return 1;
    }
    try {
        const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                            ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        const Services services;
        // The C runtime's localeconv() does not follow the user's own settings.
        quadrix::UseDecimalSeparator(quadrix::UserDecimalSeparator());
        quadrix::modMain::Main();
        const int status = RunMessageLoop();
        quadrix::modMain::MainWindowRef.reset();
        return status;
    } catch (const std::exception& error) {
        quadrix::ShowMessageBox(nullptr, error.what());
    }
    return 1;
}
