// The placeholder main window.
#include "app/PlaceholderWindow.h"
#include "platform/window/Win.h"

static LRESULT PlaceholderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

HWND PlaceholderWindow::Create() {
    WNDCLASS wc;
    wc.lpszClassName = "TavikPlaceholder";
    wc.lpfnWndProc = PlaceholderProc;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = clBtnFace;
    RegisterClass(wc);
    TRect work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    int w = 480, h = 400;
    return CreateWindowEx(0, wc.lpszClassName, kCaption, WS_OVERLAPPEDWINDOW | WS_VISIBLE, work.Left + (work.Width() - w) / 2,
                          work.Top + (work.Height() - h) / 2, w, h, nullptr, nullptr);
}

int PlaceholderWindow::Run() {
    if (!Create()) return 1;
    MSG msg;
    while (GetMessage(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    return static_cast<int>(msg.wParam);
}
