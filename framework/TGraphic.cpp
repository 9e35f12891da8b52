// File loading and saving shared by every graphic.
#include "framework/TGraphic.h"

#include "framework/TMemoryStream.h"

void TGraphic::SetTransparent(bool transparent) {
    if (transparent == FTransparent) return;
    FTransparent = transparent;
    Changed();
}

void TGraphic::Changed() {
    FModified = true;
    if (OnChange) OnChange(this);
}

void TGraphic::LoadFromFile(const std::string& fileName) {
    TMemoryStream stream;
    stream.LoadFromFile(fileName);
    LoadFromStream(stream);
}

void TGraphic::SaveToFile(const std::string& fileName) const {
    TMemoryStream stream;
    SaveToStream(stream);
    stream.SaveToFile(fileName);
}
