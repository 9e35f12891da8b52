// Canvas drawing calls mapped onto the device context and the text routines.
#include "framework/TCanvas.h"

#include "framework/Consts.h"
#include "framework/Exception.h"
#include "framework/TGraphic.h"

#include "platform/gfx/ShapeRasterizer.h"
#include "platform/text/TextDraw.h"

namespace {

// On/off runs of the dashed pen styles, in pixels.
const std::vector<int>& DashPattern(TPenStyle style) {
    static const std::vector<int> dash{18, 6}, dot{3, 3}, dashDot{9, 6, 3, 6}, dashDotDot{9, 3, 3, 3, 3, 3}, none;
    switch (style) {
    case psDash: return dash;
    case psDot: return dot;
    case psDashDot: return dashDot;
    case psDashDotDot: return dashDotDot;
    default: return none;
    }
}

} // namespace

TCanvas::TCanvas()
    : FFont(std::make_unique<TFont>()), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>()) {}

TCanvas::TCanvas(HDC dc) : TCanvas() {
    FHandle = dc;
}

TCanvas::~TCanvas() = default;

HDC TCanvas::Handle() {
    if (!FHandle) CreateHandle();
    if (!FHandle) throw EInvalidOperation(SNoCanvasHandle);
    return FHandle;
}

void TCanvas::SetHandle(HDC dc) {
    FOwnedHandle.reset();
    FHandle = dc;
}

void TCanvas::SetHandle(std::unique_ptr<DeviceContext> dc) {
    FOwnedHandle = std::move(dc);
    FHandle = FOwnedHandle.get();
}

void TCanvas::Changing() {
    if (OnChanging) OnChanging(this);
}

void TCanvas::Changed() {
    if (OnChange) OnChange(this);
}

TColor TCanvas::FillColor() const {
    return FBrush->Style() == bsClear ? clNone : FBrush->Color();
}

TColor TCanvas::OutlineColor() const {
    return FPen->Style() == psClear ? clNone : FPen->Color();
}

void TCanvas::SelectTextState(HDC dc) {
    dc->SelectFont(FFont->Handle());
    dc->SetTextColor(FFont->Color());
    dc->SetBkColor(FBrush->Color());
    dc->SetBkMode(FBrush->Style() == bsClear ? TRANSPARENT : OPAQUE);
}

void TCanvas::StyledLine(HDC dc, TPoint from, TPoint to) {
    const std::vector<int>& pattern = DashPattern(FPen->Style());
    if (FPen->Style() == psClear) return;
    if (pattern.empty() || FPen->Width() > 1) {
        dc->Line(from.X, from.Y, to.X, to.Y, FPen->Color(), FPen->Width());
        return;
    }
    int period = 0;
    for (int run : pattern) period += run;
    const TColor color = FPen->Color();
    ShapeRasterizer::Line(from.X, from.Y, to.X, to.Y, [&](int x, int y) {
        int phase = FPatternStep++ % period;
        for (std::size_t i = 0; i < pattern.size(); ++i) {
            if (phase < pattern[i]) {
                if (i % 2 == 0) dc->SetPixel(x, y, color);
                return;
            }
            phase -= pattern[i];
        }
    });
}

void TCanvas::LineTo(int x, int y) {
    HDC dc = Handle();
    Changing();
    StyledLine(dc, FPenPos, {x, y});
    FPenPos = {x, y};
    Changed();
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
    if (points.empty()) return;
    HDC dc = Handle();
    Changing();
    for (std::size_t i = 1; i < points.size(); ++i) StyledLine(dc, points[i - 1], points[i]);
    Changed();
}

void TCanvas::FillRect(const TRect& rect) {
    HDC dc = Handle();
    Changing();
    dc->FillRect(rect, FillColor());
    Changed();
}

void TCanvas::FrameRect(const TRect& rect) {
    HDC dc = Handle();
    Changing();
    dc->FrameRect(rect, FBrush->Color());
    Changed();
}

// A dashed outline is drawn as four lines; a solid one is a frame of the pen's width inside rect.
void TCanvas::Rectangle(const TRect& rect) {
    HDC dc = Handle();
    Changing();
    dc->FillRect(rect, FillColor());
    if (DashPattern(FPen->Style()).empty() || FPen->Width() > 1) {
        dc->FrameRect(rect, OutlineColor(), FPen->Width());
    } else if (!rect.IsEmpty()) {
        const int r = rect.Right - 1, b = rect.Bottom - 1;
        FPatternStep = 0;
        StyledLine(dc, {rect.Left, rect.Top}, {r, rect.Top});
        StyledLine(dc, {r, rect.Top}, {r, b});
        StyledLine(dc, {r, b}, {rect.Left, b});
        StyledLine(dc, {rect.Left, b}, {rect.Left, rect.Top});
    }
    Changed();
}

void TCanvas::Ellipse(const TRect& rect) {
    HDC dc = Handle();
    Changing();
    dc->Ellipse(rect, FillColor(), OutlineColor());
    Changed();
}

void TCanvas::RoundRect(const TRect& rect, int ellipseWidth, int ellipseHeight) {
    HDC dc = Handle();
    Changing();
    dc->RoundRect(rect, ellipseWidth, ellipseHeight, FillColor(), OutlineColor());
    Changed();
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
    HDC dc = Handle();
    Changing();
    dc->Polygon(points, FillColor(), OutlineColor());
    Changed();
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
    HDC dc = Handle();
    Changing();
    SelectTextState(dc);
    ::TextOut(dc, x, y, text);
    FPenPos = {x + GetTextExtent(dc, text).cx, y};
    Changed();
}

void TCanvas::TextRect(const TRect& rect, int x, int y, std::string_view text) {
    HDC dc = Handle();
    Changing();
    SelectTextState(dc);
    const int saved = dc->SaveDC();
    if (FBrush->Style() != bsClear) dc->FillRect(rect, FBrush->Color());
    dc->IntersectClipRect(rect);
    dc->SetBkMode(TRANSPARENT); // the background is already there, clipped to rect
    ::TextOut(dc, x, y, text);
    dc->RestoreDC(saved);
    Changed();
}

int TCanvas::TextRect(TRect& rect, std::string_view text, unsigned format) {
    HDC dc = Handle();
    Changing();
    SelectTextState(dc);
    const int height = ::DrawText(dc, text, &rect, format);
    Changed();
    return height;
}

TSize TCanvas::TextExtent(std::string_view text) {
    return GetTextExtent(FFont->Handle(), text);
}

int TCanvas::TextWidth(std::string_view text) {
    return TextExtent(text).cx;
}

int TCanvas::TextHeight(std::string_view text) {
    return TextExtent(text).cy;
}

void TCanvas::Draw(int x, int y, const TGraphic* graphic) {
    if (!graphic || graphic->Empty()) return;
    StretchDraw(Bounds(x, y, graphic->Width(), graphic->Height()), graphic);
}

void TCanvas::StretchDraw(const TRect& rect, const TGraphic* graphic) {
    if (!graphic || graphic->Empty()) return;
    Handle();
    Changing();
    graphic->Draw(*this, rect);
    Changed();
}

void TCanvas::CopyRect(const TRect& destination, TCanvas& source, const TRect& sourceRect) {
    HDC dc = Handle();
    HDC from = source.Handle();
    Changing();
    if (destination.Size() == sourceRect.Size())
        dc->BitBlt(destination.Left, destination.Top, destination.Width(), destination.Height(), *from,
                   sourceRect.Left, sourceRect.Top);
    else
        dc->StretchBlt(destination.Left, destination.Top, destination.Width(), destination.Height(), *from,
                       sourceRect.Left, sourceRect.Top, sourceRect.Width(), sourceRect.Height());
    Changed();
}

TColor TCanvas::Pixels(int x, int y) {
    return Handle()->GetPixel(x, y);
}

void TCanvas::SetPixels(int x, int y, TColor color) {
    HDC dc = Handle();
    Changing();
    dc->SetPixel(x, y, color);
    Changed();
}

TRect TCanvas::ClipRect() {
    TRect box;
    Handle()->GetClipBox(&box);
    return box;
}
