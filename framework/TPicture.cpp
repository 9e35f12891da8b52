// The picture container: adopting graphics, loading by extension, change forwarding.
#include "framework/TPicture.h"

#include "framework/Consts.h"
#include "framework/Exception.h"
#include "framework/Format.h"
#include "framework/SysUtils.h"
#include "framework/TBitmap.h"
#include "framework/TJPEGImage.h"

TPicture::TPicture() = default;

TPicture::~TPicture() = default;

void TPicture::Changed() {
    if (OnChange) OnChange(this);
}

void TPicture::Adopt(std::unique_ptr<TGraphic> graphic) {
    FGraphic = std::move(graphic);
    if (FGraphic) FGraphic->OnChange = [this](TObject*) { Changed(); };
    Changed();
}

void TPicture::SetGraphic(const TGraphic* graphic) {
    if (graphic == FGraphic.get()) return;
    Adopt(graphic ? graphic->Clone() : nullptr);
}

TBitmap* TPicture::Bitmap() {
    auto* bitmap = dynamic_cast<TBitmap*>(FGraphic.get());
    if (bitmap) return bitmap;
    auto fresh = std::make_unique<TBitmap>();
    bitmap = fresh.get();
    Adopt(std::move(fresh));
    return bitmap;
}

int TPicture::Width() const {
    return FGraphic ? FGraphic->Width() : 0;
}

int TPicture::Height() const {
    return FGraphic ? FGraphic->Height() : 0;
}

void TPicture::LoadFromFile(const std::string& fileName) {
    const std::string extension = LowerCase(ExtractFileExt(fileName));
    std::unique_ptr<TGraphic> graphic;
    if (extension == ".bmp")
        graphic = std::make_unique<TBitmap>();
    else if (extension == ".jpg" || extension == ".jpeg")
        graphic = std::make_unique<TJPEGImage>();
    else
        throw EInvalidGraphic(Format(SUnknownExtension, {extension.empty() ? extension : extension.substr(1)}));
    graphic->LoadFromFile(fileName);
    Adopt(std::move(graphic));
}

void TPicture::SaveToFile(const std::string& fileName) const {
    if (FGraphic) FGraphic->SaveToFile(fileName);
}

void TPicture::Assign(const TPersistent* source) {
    if (!source)
        SetGraphic(nullptr);
    else if (const auto* picture = dynamic_cast<const TPicture*>(source))
        SetGraphic(picture->Graphic());
    else if (const auto* graphic = dynamic_cast<const TGraphic*>(source))
        SetGraphic(graphic);
    else
        TPersistent::Assign(source);
}

void TPicture::AssignTo(TPersistent* destination) const {
    if (auto* graphic = dynamic_cast<TGraphic*>(destination); graphic && FGraphic) {
        graphic->Assign(FGraphic.get());
        return;
    }
    TPersistent::AssignTo(destination);
}
