// Self-painting windowed controls.
#include "framework/TCustomControl.h"

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner), FCanvas(std::make_unique<TControlCanvas>()) {
    FCanvas->SetControl(this);
    FControlState.Include(csCustomPaint);
}

TCustomControl::~TCustomControl() {
    FCanvas->FreeHandle();
}

void TCustomControl::DestroyWnd() {
    FCanvas->FreeHandle();
    TWinControl::DestroyWnd();
}

void TCustomControl::PaintWindow(HDC dc) {
    FCanvas->PaintOn(dc, [this] {
        FCanvas->Font()->Assign(Font());
        FCanvas->Brush()->SetColor(Color());
        Paint();
    });
}
