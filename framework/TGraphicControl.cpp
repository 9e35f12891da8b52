// Painting of window-less controls through their parent's context.
#include "framework/TGraphicControl.h"

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), FCanvas(std::make_unique<TControlCanvas>()) {
    FCanvas->SetControl(this);
}

TGraphicControl::~TGraphicControl() {
    FCanvas->FreeHandle();
}

void TGraphicControl::WMPaint(TMessage& m) {
    if (!m.WParam || FWidth <= 0 || FHeight <= 0) return;
    FCanvas->FreeHandle();
    FCanvas->SetHandle(reinterpret_cast<HDC>(m.WParam));
    FCanvas->Font()->Assign(Font());
    try {
        Paint();
    } catch (...) {
        FCanvas->SetHandle(static_cast<HDC>(nullptr));
        throw;
    }
    FCanvas->SetHandle(static_cast<HDC>(nullptr));
}
