// The abstract picture: size, transparency, drawing onto a canvas, loading and saving.
#pragma once

#include "framework/Events.h"
#include "framework/TPersistent.h"

#include "platform/gfx/Geometry.h"

#include <memory>
#include <string>

class TCanvas;
class TStream;

class TGraphic : public TPersistent {
public:
    std::string ClassName() const override { return "TGraphic"; }

    virtual int Width() const = 0;
    virtual void SetWidth(int width) = 0;
    virtual int Height() const = 0;
    virtual void SetHeight(int height) = 0;
    virtual bool Empty() const = 0;
    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool transparent);

    // Draws the whole picture stretched over rect (TCanvas::Draw and StretchDraw come here).
    virtual void Draw(TCanvas& canvas, const TRect& rect) const = 0;

    // Files are read whole and written atomically (a failed save leaves the old file); errors
    // throw EFOpenError / EFCreateError, unreadable content EInvalidGraphic.
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;
    // Reads from the stream's position to its end.
    virtual void LoadFromStream(TStream& stream) = 0;
    virtual void SaveToStream(TStream& stream) const = 0;

    // A new graphic of the same class holding the same picture.
    virtual std::unique_ptr<TGraphic> Clone() const = 0;

    bool Modified() const { return FModified; }
    void SetModified(bool modified) { FModified = modified; }

    TNotifyEvent OnChange;

protected:
    // Marks the graphic modified and fires OnChange.
    virtual void Changed();

private:
    bool FTransparent = false;
    bool FModified = false;
};
