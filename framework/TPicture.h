// Holds one graphic of any kind, chosen by file extension when loading, and announces changes.
#pragma once

#include "framework/Events.h"
#include "framework/TPersistent.h"

#include <memory>
#include <string>

class TBitmap;
class TGraphic;

class TPicture : public TPersistent {
public:
    TPicture();
    ~TPicture() override;
    std::string ClassName() const override { return "TPicture"; }

    // The graphic, or nullptr when empty. Changes made to it reach OnChange.
    TGraphic* Graphic() const { return FGraphic.get(); }
    // Holds a copy of graphic (nullptr empties the picture).
    void SetGraphic(const TGraphic* graphic);
    // The graphic as a bitmap; a picture holding anything else (or nothing) first gets a new,
    // empty bitmap in its place.
    TBitmap* Bitmap();

    int Width() const;
    int Height() const;

    // ".bmp" makes a TBitmap and ".jpg" or ".jpeg" a TJPEGImage (any letter case); another
    // extension throws EInvalidGraphic. A file that fails to load leaves the picture unchanged.
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;

    // From a TPicture or a TGraphic (copied), or nullptr.
    void Assign(const TPersistent* source) override;

    TNotifyEvent OnChange;

protected:
    void AssignTo(TPersistent* destination) const override;
    virtual void Changed();

private:
    void Adopt(std::unique_ptr<TGraphic> graphic);

    std::unique_ptr<TGraphic> FGraphic;
};
