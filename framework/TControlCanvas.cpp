// A control's canvas over a window device context.
#include "framework/TControlCanvas.h"

#include "framework/TWinControl.h"

#include "platform/window/PaintApi.h"

TControlCanvas::~TControlCanvas() {
    FreeHandle();
}

void TControlCanvas::SetControl(TControl* control) {
    if (FControl == control) return;
    FreeHandle();
    FControl = control;
}

void TControlCanvas::FreeHandle() {
    if (!FWindowDC) return;
    HDC dc = FWindowDC;
    FWindowDC = nullptr;
    SetHandle(static_cast<HDC>(nullptr));
    ReleaseDC(FWindow, dc);
    FWindow = nullptr;
}

void TControlCanvas::PaintOn(HDC dc, const std::function<void()>& paint) {
    FreeHandle();
    SetHandle(dc);
    struct TLetGo {
        TControlCanvas* Canvas;
        ~TLetGo() { Canvas->SetHandle(static_cast<HDC>(nullptr)); }
    } letGo{this};
    paint();
}

void TControlCanvas::CreateHandle() {
    if (!FControl) return;
    TRect area;
    HWND window = FControl->CanvasWindow(area);
    if (!window) return;
    HDC dc = GetDCEx(window, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
    if (!dc) return;
    dc->SetViewportOrg(area.Left, area.Top);
    dc->IntersectClipRect({0, 0, area.Width(), area.Height()});
    FWindow = window;
    FWindowDC = dc;
    SetHandle(dc);
}
