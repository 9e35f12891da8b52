// The animation output window: creation over a form, drawing and painting its picture.
#include "skin/data/TacOutputWindow.h"

#include "platform/window/Win.h"

namespace {

constexpr const char* ClassName = "TacOutputWindow";

void RegisterOutputClass() {
    WNDCLASS wc;
    wc.lpszClassName = ClassName;
    RegisterClass(wc); // 0 when it is registered already: fine
}

} // namespace

TacOutputWindow::TacOutputWindow(HWND form, const TRect& bounds, bool shaped) {
    RegisterOutputClass();
    DWORD exStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    if (GetWindowLongPtr(form, GWL_EXSTYLE) & WS_EX_TOPMOST) exStyle |= WS_EX_TOPMOST;
    FWindow = CreateWindowEx(exStyle, ClassName, Caption, WS_POPUP, bounds.Left, bounds.Top, bounds.Width(),
                             bounds.Height(), form, nullptr);
    if (!FWindow) return;
    FBelow = SetWindowProc(FWindow, [this](HWND h, UINT m, WPARAM w, LPARAM l) { return WindowProc(h, m, w, l); });
    Region region;
    if (shaped && GetWindowRgn(form, &region) != 0) SetWindowRgn(FWindow, &region, FALSE);
}

TacOutputWindow::~TacOutputWindow() {
    if (FWindow) DestroyWindow(FWindow);
}

void TacOutputWindow::Show(Bitmap& picture) {
    if (!FWindow) return;
    FPicture = &picture;
    if (!IsWindowVisible(FWindow)) ShowWindow(FWindow, SW_SHOWNOACTIVATE);
    HDC dc = GetDC(FWindow);
    if (!dc) return;
    Draw(dc);
    ReleaseDC(FWindow, dc);
}

LRESULT TacOutputWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        if (dc) Draw(dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    default: return CallWindowProc(FBelow, hwnd, msg, wParam, lParam);
    }
}

void TacOutputWindow::Draw(HDC dc) {
    if (!FPicture) return;
    DeviceContext source(FPicture);
    dc->BitBlt(0, 0, FPicture->Width(), FPicture->Height(), source, 0, 0);
}
