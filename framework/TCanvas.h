// A drawing surface with a font, pen and brush, over a device context it may or may not own.
#pragma once

#include "framework/Events.h"
#include "framework/TBrush.h"
#include "framework/TFont.h"
#include "framework/TPen.h"
#include "framework/TPersistent.h"

#include "platform/gfx/DeviceContext.h"

#include <memory>
#include <string_view>
#include <vector>

class TGraphic;

// Every drawing call takes the pen (outlines; psClear draws none), the brush (fills; bsClear
// fills nothing and draws text without a background) and the font as they are at that moment.
// A canvas without a device context asks CreateHandle() for one (a control's canvas gets its
// window's context there); when there is still none, drawing throws EInvalidOperation.
class TCanvas : public TPersistent {
public:
    TCanvas();
    explicit TCanvas(HDC dc);
    ~TCanvas() override;
    std::string ClassName() const override { return "TCanvas"; }

    HDC Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    // A context the canvas uses but does not own, or nullptr to let it go.
    void SetHandle(HDC dc);
    // A context the canvas owns from now on.
    void SetHandle(std::unique_ptr<DeviceContext> dc);

    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* font) { FFont->Assign(font); }
    TPen* Pen() const { return FPen.get(); }
    TBrush* Brush() const { return FBrush.get(); }

    TPoint PenPos() const { return FPenPos; }
    void SetPenPos(TPoint position) { FPenPos = position; }
    // Also starts a dashed pen's pattern afresh.
    void MoveTo(int x, int y) {
        FPenPos = {x, y};
        FPatternStep = 0;
    }
    // A line from the pen position to (x, y), that end point not drawn; the pen moves there.
    void LineTo(int x, int y);
    void Polyline(const std::vector<TPoint>& points);

    void FillRect(const TRect& rect);
    // A one-pixel frame in the brush colour.
    void FrameRect(const TRect& rect);
    void Rectangle(const TRect& rect);
    void Rectangle(int left, int top, int right, int bottom) { Rectangle(TRect{left, top, right, bottom}); }
    void Ellipse(const TRect& rect);
    void Ellipse(int left, int top, int right, int bottom) { Ellipse(TRect{left, top, right, bottom}); }
    void RoundRect(const TRect& rect, int ellipseWidth, int ellipseHeight);
    void Polygon(const std::vector<TPoint>& points);

    // One line with its top-left at (x, y); the pen moves to its right end.
    void TextOut(int x, int y, std::string_view text);
    // The text at (x, y) clipped to rect; with a solid brush the whole rect is filled first.
    void TextRect(const TRect& rect, int x, int y, std::string_view text);
    // The text laid out in rect by DrawText's DT_* flags, with a background only under a solid
    // brush; returns the height of the text. With DT_CALCRECT it measures into rect instead.
    int TextRect(TRect& rect, std::string_view text, unsigned format);
    int TextWidth(std::string_view text);
    int TextHeight(std::string_view text);
    TSize TextExtent(std::string_view text);

    void Draw(int x, int y, const TGraphic* graphic);
    void StretchDraw(const TRect& rect, const TGraphic* graphic);
    // Copies (stretching when the sizes differ) a rectangle of another canvas.
    void CopyRect(const TRect& destination, TCanvas& source, const TRect& sourceRect);

    TColor Pixels(int x, int y);
    void SetPixels(int x, int y, TColor color);
    // The drawable part in the canvas's coordinates.
    TRect ClipRect();

    // Drawing is single-threaded; these exist for callers that bracket drawing with them.
    void Lock() {}
    void Unlock() {}

    // Around every drawing call.
    TNotifyEvent OnChanging;
    TNotifyEvent OnChange;

protected:
    virtual void CreateHandle() {}
    void Changing();
    void Changed();

private:
    TColor FillColor() const;
    TColor OutlineColor() const;
    void SelectTextState(HDC dc);
    void StyledLine(HDC dc, TPoint from, TPoint to);

    HDC FHandle = nullptr;
    std::unique_ptr<DeviceContext> FOwnedHandle;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
    TPoint FPenPos;
    int FPatternStep = 0; // dash phase, carried across joined lines
};
