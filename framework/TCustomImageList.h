// A list of equally sized images with transparency, drawn by index (button glyphs, menus).
#pragma once

#include "framework/Events.h"
#include "framework/TComponent.h"

#include "platform/gfx/Bitmap.h"

#include <vector>

class TBitmap;
class TCanvas;
class TChangeLink;

// Every image is Width x Height with a mask of its shown pixels. A strip wider than Width is
// split into images from the left; a last piece that is too narrow, or a strip lower than
// Height, is see-through where it has no pixels. Changing Width or Height empties the list.
//
// Users hear of changes through their TChangeLink; a component that keeps a pointer to the
// list asks for FreeNotification to learn when it goes.
class TCustomImageList : public TComponent {
public:
    static constexpr int DefaultSize = 16;

    explicit TCustomImageList(TComponent* owner);
    ~TCustomImageList() override;
    std::string ClassName() const override { return "TCustomImageList"; }

    int Width() const { return FWidth; }
    // Positive; EInvalidOperation otherwise.
    void SetWidth(int width);
    int Height() const { return FHeight; }
    void SetHeight(int height);
    // clNone: see-through pixels are left alone when drawing; any other colour fills them.
    TColor BkColor() const { return FBkColor; }
    void SetBkColor(TColor color);
    // The colour GetBitmap gives see-through pixels: BkColor, or the key colour magenta.
    TColor BackgroundColor() const;
    int Count() const { return static_cast<int>(FImages.size()); }

    // The strip's images, shown where mask is not white (all of them without a mask); the index
    // of the first one added, -1 when the strip is empty.
    int Add(const TBitmap* image, const TBitmap* mask);
    // The strip's images, see-through where they have maskColor (clDefault: the strip's
    // bottom-left pixel).
    int AddMasked(const TBitmap* image, TColor maskColor);
    void Clear();
    // EInvalidOperation for an index outside the list.
    void Delete(int index);

    // Image index with its top-left at (x, y); disabled, its shown pixels are an embossed grey
    // silhouette. An index outside the list draws nothing.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;
    // image becomes a Width x Height 24-bit picture of the image on BackgroundColor(); false (and
    // image untouched) for an index outside the list.
    bool GetBitmap(int index, TBitmap* image) const;

    void RegisterChanges(TChangeLink* link);
    void UnRegisterChanges(TChangeLink* link);
    TNotifyEvent OnChange;

protected:
    // Tells OnChange and every registered link.
    virtual void Change();

private:
    struct TImageEntry {
        Bitmap Image;
        Bitmap Mask; // black where the image shows, white where it is see-through
    };
    // Splits the strip and its mask (of the strip's size) into entries.
    int AddPieces(const Bitmap& strip, const Bitmap& stripMask);
    bool Valid(int index) const { return index >= 0 && index < Count(); }
    void SetSize(int width, int height);

    int FWidth = DefaultSize;
    int FHeight = DefaultSize;
    TColor FBkColor = clNone;
    std::vector<TImageEntry> FImages;
    std::vector<TChangeLink*> FLinks;
};
