// The plain hint window.
#include "framework/THintWindow.h"

#include "framework/TextBlock.h"

#include "platform/text/TextDraw.h"
#include "platform/window/Win.h"

#include <algorithm>

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
    FVisible = false;
    SetParentColor(false);
    SetParentFont(false);
    FColor = clInfoBk;
    Font()->SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.Style = WS_POPUP | WS_BORDER;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    params.WndParent = nullptr;
    params.WindowClassStyle |= CS_SAVEBITS | CS_DROPSHADOW;
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::string& hint, void*) {
    const TSize text = MeasureTextBlock(Font(), hint, maxWidth, DT_NOPREFIX);
    const int border = GetSystemMetrics(SM_CXBORDER);
    return {0, 0, text.cx + 2 * (kMarginX + border) + 2, text.cy + 2 * (kMarginY + border)};
}

void THintWindow::ActivateHint(const TRect& rect, const std::string& hint) {
    const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    TRect r = rect;
    if (r.Right > screenW) r = r.Offset(screenW - r.Right, 0);
    if (r.Bottom > screenH) r = r.Offset(0, screenH - r.Bottom);
    r = r.Offset(std::max(0, -r.Left), std::max(0, -r.Top));
    SetText(hint);
    SetBounds(r.Left, r.Top, r.Width(), r.Height());
    HWND h = Handle();
    SetWindowPos(h, HWND_TOPMOST, r.Left, r.Top, r.Width(), r.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
    FVisible = true;
    Invalidate();
    Update();
}

void THintWindow::ReleaseHandle() {
    FVisible = false;
    if (FHandle) DestroyWnd();
}

void THintWindow::Paint() {
    TRect r = ClientRect();
    HDC dc = Canvas()->Handle();
    dc->FillRect(r, ColorToRGB(Color()));
    r = r.Inflate(-kMarginX, -kMarginY);
    dc->SelectFont(Font()->Handle());
    dc->SetTextColor(ColorToRGB(Font()->Color()));
    dc->SetBkMode(TRANSPARENT);
    DrawText(dc, Text(), &r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

// The mouse passes through a hint to whatever lies below it.
void THintWindow::Dispatch(TMessage& m) {
    if (m.Msg == WM_NCHITTEST) {
        m.Result = HTTRANSPARENT;
        return;
    }
    TCustomControl::Dispatch(m);
}
