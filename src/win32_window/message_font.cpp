// The platform's default font for controls, at a window's DPI.
#include "win32_window/message_font.h"

#include <system_error>

namespace quadrix {

HFONT CreateMessageFont(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0, dpi)) {
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                "SystemParametersInfoForDpi");
    }
    HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
    if (font == nullptr) {
        throw std::system_error(ERROR_INVALID_HANDLE, std::system_category(), "CreateFontIndirect");
    }
    return font;
}

}  // namespace quadrix
