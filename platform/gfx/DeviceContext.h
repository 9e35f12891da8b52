// A device context: drawing state (origin, clip, font, colours) over a target bitmap.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"
#include "platform/gfx/Region.h"
#include "platform/gfx/RegionBuilder.h"

#include <optional>
#include <vector>

class Font; // platform/text

// Background modes, with the Win32 numbers.
enum : int { TRANSPARENT = 1, OPAQUE = 2 };

// A vertex of a triangle gradient fill.
struct TGradientVertex {
    int X = 0;
    int Y = 0;
    TColor Color = 0;
};

// Coordinates given to drawing calls are logical: the device pixel is logical + viewport origin.
// Every drawing call is clipped to the target bitmap, to the system clip that the window system
// sets (the visible part of a window) and to the clip region that the caller selects.
// Drawing into a 32-bit target writes alpha 255; copies between 32-bit bitmaps keep alpha.
// System colours are resolved to RGB by every call that takes a TColor.
class DeviceContext {
public:
    explicit DeviceContext(Bitmap* target = nullptr);

    Bitmap* Target() const { return FTarget; }
    // Selects another target; origin, clips and saved states are reset.
    void SelectBitmap(Bitmap* target);

    // Origin.
    TPoint ViewportOrg() const { return FState.Origin; }
    TPoint SetViewportOrg(int x, int y);
    TPoint OffsetViewportOrg(int dx, int dy);

    // System clip in device coordinates; the caller's clip can never reach beyond it.
    void SetSystemClip(std::optional<Region> deviceRegion);
    // Caller's clip. Regions and rectangles are given in logical coordinates; nullptr removes the
    // clip. Each returns the kind of the resulting clip (NULLREGION, SIMPLEREGION, COMPLEXREGION).
    int SelectClipRgn(const Region* logicalRegion);
    int IntersectClipRect(const TRect& logicalRect);
    int ExcludeClipRect(const TRect& logicalRect);
    // Bounding box of what can be drawn, in logical coordinates; returns the region kind.
    int GetClipBox(TRect* logicalBox) const;
    // What can be drawn, in device coordinates (target bounds, system clip and caller's clip).
    Region EffectiveClip() const;
    // The same without a copy, valid until the clip or the target changes.
    const Region& DeviceClip() const { return Effective(); }
    bool PtVisible(int x, int y) const;

    // Saved states: SaveDC returns a level; RestoreDC(-1) restores the last, RestoreDC(n) level n.
    int SaveDC();
    bool RestoreDC(int savedLevel);

    // Text state, used by platform/text.
    const Font* SelectFont(const Font* font);
    const Font* CurrentFont() const { return FState.TextFont; }
    TColor SetTextColor(TColor color);
    TColor GetTextColor() const { return FState.TextColor; }
    TColor SetBkColor(TColor color);
    TColor GetBkColor() const { return FState.BkColor; }
    int SetBkMode(int mode);
    int GetBkMode() const { return FState.BkMode; }

    // Drawing. A fill colour of clNone leaves the inside alone; an outline of clNone draws none.
    void FillRect(const TRect& rect, TColor color);
    void FrameRect(const TRect& rect, TColor color, int width = 1);
    void SetPixel(int x, int y, TColor color);
    TColor GetPixel(int x, int y) const; // clNone outside the target
    // The end point is not drawn, as with a pen moved from (x1, y1) to (x2, y2).
    void Line(int x1, int y1, int x2, int y2, TColor color, int width = 1);
    void Ellipse(const TRect& rect, TColor fill, TColor outline);
    void RoundRect(const TRect& rect, int ellipseWidth, int ellipseHeight, TColor fill, TColor outline);
    void Polygon(const std::vector<TPoint>& points, TColor fill, TColor outline);
    void FillRegion(const Region& logicalRegion, TColor color);
    // Linear gradient from c1 to c2, top to bottom (vertical) or left to right.
    void GradientFillRect(const TRect& rect, TColor c1, TColor c2, bool vertical);
    // Colours interpolated across the triangle (barycentric), as the platform's gradient fill does.
    void GradientFillTriangle(const TGradientVertex& a, const TGradientVertex& b, const TGradientVertex& c);
    // Inverts the colours inside the rectangle; twice restores them (outline dragging).
    void InvertRect(const TRect& rect);
    // The dotted focus frame, drawn by inversion so that a second call removes it.
    void DrawFocusRect(const TRect& rect);

    // Plain raster copy of a source rectangle; the source is read from its own target bitmap in
    // its own logical coordinates (its clip does not apply). Returns false when either has no target.
    bool BitBlt(int x, int y, int width, int height, const DeviceContext& source, int sourceX, int sourceY);
    // Smooth (area-averaging or bilinear) stretch of a source rectangle onto a destination rectangle.
    bool StretchBlt(int x, int y, int width, int height, const DeviceContext& source, int sourceX, int sourceY,
                    int sourceWidth, int sourceHeight);
    // The same from a bitmap that has no device context.
    void DrawBitmap(int x, int y, const Bitmap& source, const TRect& sourceRect);
    void StretchBitmap(const TRect& destination, const Bitmap& source, const TRect& sourceRect);

    // Device rectangle of a logical rectangle, and back.
    TRect ToDevice(const TRect& logical) const { return logical.Offset(FState.Origin.X, FState.Origin.Y); }
    TPoint ToDevice(TPoint logical) const { return {logical.X + FState.Origin.X, logical.Y + FState.Origin.Y}; }

private:
    struct State {
        TPoint Origin;
        std::optional<Region> Clip; // device coordinates; nullopt = no caller clip
        const ::Font* TextFont = nullptr;
        TColor TextColor = clBlack;
        TColor BkColor = clWhite;
        int BkMode = OPAQUE;
    };

    void ClipChanged() { FEffectiveValid = false; }
    const Region& Effective() const;
    // The caller's clip, or everything when none is selected (device coordinates).
    Region CallerClipOrAll() const;
    int ClipKind() const { return Effective().Kind(); }
    void FillRows(const std::vector<TSpan>& rows, int top, TColor fill, TColor outline);
    void TransferBitmap(const TRect& destination, const Bitmap& source, const TRect& sourceRect);

    Bitmap* FTarget = nullptr;
    std::optional<Region> FSystemClip;
    State FState;
    std::vector<State> FSaved;
    mutable Region FEffective; // target bounds ∩ system clip ∩ caller clip, rebuilt when stale
    mutable bool FEffectiveValid = false;
};

using HDC = DeviceContext*;
