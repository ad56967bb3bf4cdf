// A method's white panel: the window class QuadrixPanel painting the method's drawing.
#include "win32_window/method_panel.h"

#include <system_error>

#include "panel_models/panel_drawing.h"
#include "win32_window/accessible_text.h"
#include "win32_window/gdiplus_canvas.h"
#include "win32_window/window_procedure_edge.h"

namespace quadrix {

void MethodPanel::RegisterWindowClass() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = &OwnedWindowProcedure<MethodPanel>;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = MethodPanel::kClassName;
        if (RegisterClassExW(&windowClass) == 0) {
            throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                    "RegisterClassEx QuadrixPanel");
        }
        return true;
    }();
    (void)registered;
}

namespace {

// A bitmap the size of the client area, selected into a DC like the window's.
class MemoryBitmap {
  public:
    MemoryBitmap(HDC target, int width, int height)
        : dc_(CreateCompatibleDC(target)),
          bitmap_(CreateCompatibleBitmap(target, width, height)),
          old_(SelectObject(dc_, bitmap_)) {}
    ~MemoryBitmap() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    MemoryBitmap(const MemoryBitmap&) = delete;
    MemoryBitmap& operator=(const MemoryBitmap&) = delete;
    HDC Dc() const { return dc_; }

  private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

}  // namespace

MethodPanel::~MethodPanel() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

void MethodPanel::Create(HWND parent, DWORD style) {
    RegisterWindowClass();
    // The window procedure takes the panel from the creation parameters.
    if (CreateWindowExW(WS_EX_CLIENTEDGE, kClassName, L"", WS_CHILD | style, 0, 0, 0, 0, parent,
                        nullptr, GetModuleHandleW(nullptr), this) == nullptr) {
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                "CreateWindowEx QuadrixPanel");
    }
    captionLineHeight_ = MeasureCaptionLineHeight();
    SetAccessibleDescription(window_, kEmptyPanelDescription);
}

void MethodPanel::ShowState(const EstimatorState& state) {
    drawing_.TakeState(state);
    SetAccessibleDescription(window_, drawing_.Description(Geometry()));
    InvalidateRect(window_, nullptr, FALSE);
}

LRESULT MethodPanel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // the paint covers every pixel
        case WM_PAINT:
            Paint();
            return 0;
        case WM_SETFONT:
            font_ = reinterpret_cast<HFONT>(wParam);
            captionLineHeight_ = MeasureCaptionLineHeight();
            if (LOWORD(lParam) != 0) {
                InvalidateRect(window_, nullptr, FALSE);
            }
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_);
        case WM_NCDESTROY: {
            HWND going = window_;
            ForgetAccessibleTexts(going);
            SetWindowLongPtrW(going, GWLP_USERDATA, 0);
            window_ = nullptr;
            return DefWindowProcW(going, message, wParam, lParam);
        }
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void MethodPanel::Paint() {
    PAINTSTRUCT paint{};
    HDC target = BeginPaint(window_, &paint);
    struct EndOnReturn {
        HWND window;
        PAINTSTRUCT* paint;
        ~EndOnReturn() { EndPaint(window, paint); }
    } endPaint{window_, &paint};
    RECT client{};
    GetClientRect(window_, &client);
    if (client.right <= 0 || client.bottom <= 0) {
        return;
    }
    const MemoryBitmap buffer(target, client.right, client.bottom);
    {
        Gdiplus::Graphics graphics(buffer.Dc());
        GdiplusCanvas canvas(graphics, buffer.Dc(), font_, Ratio());
        drawing_.Draw(canvas, Contents());
    }
    BitBlt(target, 0, 0, client.right, client.bottom, buffer.Dc(), 0, 0, SRCCOPY);
}

double MethodPanel::Ratio() const {
    return static_cast<double>(GetDpiForWindow(window_)) / USER_DEFAULT_SCREEN_DPI;
}

Rect MethodPanel::Contents() const {
    RECT client{};
    GetClientRect(window_, &client);
    const double ratio = Ratio();
    return {0.0, 0.0, client.right / ratio, client.bottom / ratio};
}

double MethodPanel::MeasureCaptionLineHeight() const {
    HDC screen = GetDC(window_);
    double lineHeight = 0.0;
    {
        Gdiplus::Graphics graphics(screen);
        const GdiplusCanvas canvas(graphics, screen, font_, Ratio());
        lineHeight = canvas.LineHeight(Font{});
    }
    ReleaseDC(window_, screen);
    return lineHeight;
}

PanelGeometry MethodPanel::Geometry() const {
    return PanelGeometryIn(Contents(), captionLineHeight_);
}

}  // namespace quadrix
