// Images: placement of the picture and its drawing.
#include "framework/TImage.h"

#include "framework/TGraphic.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner), FPicture(std::make_unique<TPicture>()) {
    FControlStyle.Include(csReplicatable);
    FWidth = 105;
    FHeight = 105;
    FPicture->OnChange = [this](TObject*) { PictureChanged(); };
}

TImage::~TImage() = default;

void TImage::PictureChanged() {
    if (TGraphic* graphic = FPicture->Graphic()) graphic->SetTransparent(FTransparent);
    Invalidate();
}

void TImage::SetStretch(bool value) {
    if (FStretch == value) return;
    FStretch = value;
    Invalidate();
}

void TImage::SetCenter(bool value) {
    if (FCenter == value) return;
    FCenter = value;
    Invalidate();
}

void TImage::SetProportional(bool value) {
    if (FProportional == value) return;
    FProportional = value;
    Invalidate();
}

void TImage::SetTransparent(bool value) {
    if (FTransparent == value) return;
    FTransparent = value;
    PictureChanged();
}

TRect TImage::DestRect() const {
    int w = FPicture->Width(), h = FPicture->Height();
    const int cw = ClientWidth(), ch = ClientHeight();
    if (w <= 0 || h <= 0) return {};
    if (FStretch || (FProportional && (w > cw || h > ch))) {
        if (FProportional) {
            // Fit the larger relative side; integer maths keeps the result exact.
            if (static_cast<long long>(w) * ch > static_cast<long long>(h) * cw) {
                h = static_cast<int>(static_cast<long long>(h) * cw / w);
                w = cw;
            } else {
                w = static_cast<int>(static_cast<long long>(w) * ch / h);
                h = ch;
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    if (FCenter) return Bounds((cw - w) / 2, (ch - h) / 2, w, h);
    return {0, 0, w, h};
}

void TImage::Paint() {
    TGraphic* graphic = FPicture->Graphic();
    if (!graphic || graphic->Empty()) return;
    const TRect dest = DestRect();
    if (dest.Width() == graphic->Width() && dest.Height() == graphic->Height())
        Canvas()->Draw(dest.Left, dest.Top, graphic);
    else
        Canvas()->StretchDraw(dest, graphic);
}
