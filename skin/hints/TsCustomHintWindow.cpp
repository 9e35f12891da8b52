// The drawn hint window.
#include "skin/hints/TsCustomHintWindow.h"

#include "skin/data/SkinCommands.h"
#include "skin/hints/HintOpacity.h"
#include "skin/hints/TacHintBackground.h"
#include "skin/hints/TacHintComposer.h"
#include "skin/hints/TacHintPlacement.h"
#include "skin/hints/TacHintShadow.h"
#include "skin/hints/TsHintManager.h"
#include "skin/hints/TsHtml.h"
#include "skin/paint/ParentQueries.h"
#include "skin/paint/RegionFromKeyColor.h"

#include "framework/TApplication.h"
#include "framework/TCanvas.h"
#include "framework/TScreen.h"
#include "framework/TextBlock.h"

#include "platform/controls/DialogCodes.h"
#include "platform/text/TextDraw.h"
#include "platform/window/Win.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {
constexpr unsigned kTextFlags = DT_WORDBREAK | DT_CENTER | DT_NOPREFIX;
constexpr unsigned kMeasureFlags = DT_CENTER | DT_NOPREFIX; // the measuring wraps by itself

// The screen's pixels under bounds; parts off the screen stay black.
Bitmap Cut(const Bitmap& screen, const TRect& bounds) {
    Bitmap out(bounds.Width(), bounds.Height());
    DeviceContext(&out).DrawBitmap(-bounds.Left, -bounds.Top, screen, screen.BoundsRect());
    return out;
}
} // namespace

TsCustomHintWindow::TsCustomHintWindow(TComponent* owner, TsHintManager* manager)
    : THintWindow(owner), FManager(manager) {}

Bitmap& TsCustomHintWindow::WorkBitmap() {
    static Bitmap work;
    return work;
}

TsHintKind& TsCustomHintWindow::Kind() const {
    return *FManager->HintKind();
}

bool TsCustomHintWindow::ShadowOn() const {
    return !FLook && Kind().ShadowEnabled();
}

int TsCustomHintWindow::ShadowShift() const {
    return ShadowOn() ? Kind().ShadowOffset() : 0;
}

int TsCustomHintWindow::Transparency() const {
    return FLook ? FLook->Transparency() : Kind().Transparency();
}

void TsCustomHintWindow::CreateParams(TCreateParams& params) {
    THintWindow::CreateParams(params);
    params.Style = WS_POPUP;
    params.WindowClassStyle &= ~CS_DROPSHADOW; // the kinds draw their own shadow
}

// The skin's look leaves its shadow to the platform where windows are layered.
void TsCustomHintWindow::ChooseDropShadow() {
    const UINT style = GetClassStyle(Handle());
    const bool shadow = FLook && TsHintManager::LayeredWindows();
    SetClassStyle(Handle(), shadow ? style | CS_DROPSHADOW : style & ~CS_DROPSHADOW);
}

// --- sizing ----------------------------------------------------------------------------------

TFont* TsCustomHintWindow::TextFont() const {
    return FLook && Screen ? Screen->HintFont() : Kind().Font();
}

TSize TsCustomHintWindow::MeasureText(const std::string& text, int maxWidth) const {
    if (!FManager->HTMLMode()) return MeasureTextBlock(TextFont(), text, maxWidth, kMeasureFlags);
    TBitmap scratch(1, 1);
    scratch.Canvas()->Font()->Assign(TextFont());
    TsHtml html;
    html.Prepare(&scratch, text, {0, 0, maxWidth, 0});
    const TRect used = html.Render();
    return {used.Width(), used.Height()};
}

TRect TsCustomHintWindow::CalcHintRect(int, const std::string& hint, void*) {
    FLook = TacHintSkinLook::Find(*FManager);
    TSize size = MeasureText(hint, Kind().MaxWidth());
    size.cx = std::max(size.cx, MinTextWidth());
    AddFrame(size);
    return {0, 0, size.cx, size.cy};
}

// The skin's frame and 4 pixels inside it, or the kind's margins, border, shadow and shape room.
void TsCustomHintWindow::AddFrame(TSize& size) {
    FExtraWidth = FExtraHeight = 0;
    if (FLook) {
        const TRect frame = FLook->FrameWidths();
        size.cx += frame.Left + frame.Right + 8;
        size.cy += frame.Top + frame.Bottom + 8;
        return;
    }
    const TsHintKind& kind = Kind();
    size.cx += (kind.MarginH() + kind.BevelWidth()) * 2 + ShadowShift();
    size.cy += (kind.MarginV() + kind.BevelWidth()) * 2 + ShadowShift();
    AddShapeRoom(size);
}

void TsCustomHintWindow::AddShapeRoom(TSize&) {}

// --- showing ---------------------------------------------------------------------------------

TPoint TsCustomHintWindow::GetHintPos() {
    if (TsHintManager::RecordedPos()) return *TsHintManager::RecordedPos();
    TPoint p;
    GetCursorPos(&p);
    return p;
}

void TsCustomHintWindow::ActivateHint(const TRect& rect, const std::string& hint) {
    if (!TsHintManager::ActiveManager() || Kind().Style() == hsNone) {
        TsHintManager::ForgetRecordedPos();
        return;
    }
    FLook = TacHintSkinLook::Find(*FManager);
    SetText(hint);
    TRect desktop;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &desktop, 0);
    const THintPlace place = TacHintPlacement::Place(rect.Size(), GetHintPos(), FManager->DefaultMousePos(), desktop);
    FCorner = place.Corner;
    SetBounds(place.Bounds.Left, place.Bounds.Top, place.Bounds.Width(), place.Bounds.Height());
    ChooseDropShadow();
    WorkBitmap() = Bitmap(Width(), Height());
    FLayered = TsHintManager::LayeredWindows();
    if (FLayered)
        ShowLayered();
    else
        ShowOverCapture();
    TsHintManager::ForgetRecordedPos();
}

void TsCustomHintWindow::ShowLayered() {
    HWND h = Handle();
    SetWindowPos(h, HWND_TOPMOST, Left(), Top(), Width(), Height(), SWP_NOACTIVATE);
    MakeMask();
    // The skin's look cuts the window to its outline (the platform's drop shadow follows it).
    const Region outline = RegionFromKeyColor(FMask, clWhite);
    SetWindowRgn(h, FLook ? &outline : nullptr, FALSE);
    MakeBody();
    Bitmap& work = WorkBitmap();
    work.Fill(clWhite);
    PaintShadow(work);
    const Bitmap image = TacHintComposer::LayeredImage(FBody.Image(), FMask, work);
    SetWindowLongPtr(h, GWL_EXSTYLE, GetWindowLongPtr(h, GWL_EXSTYLE) | WS_EX_LAYERED);
    const std::uint8_t opacity = HintOpacity(Transparency());
    PushLayeredImage(&image, FManager->Animated() ? 0 : opacity);
    FVisible = true;
    ShowWindow(h, SW_SHOWNOACTIVATE);
    if (FManager->Animated()) {
        RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        FadeIn(opacity);
    }
}

void TsCustomHintWindow::PushLayeredImage(const Bitmap* image, std::uint8_t opacity) {
    const TPoint position{Left(), Top()};
    const TSize size{Width(), Height()};
    const TPoint origin{0, 0};
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, opacity, AC_SRC_ALPHA};
    DeviceContext source(const_cast<Bitmap*>(image));
    UpdateLayeredWindow(Handle(), nullptr, &position, &size, image ? &source : nullptr, &origin, 0, &blend, ULW_ALPHA);
}

void TsCustomHintWindow::FadeIn(std::uint8_t target) {
    bool first = true;
    for (std::uint8_t opacity : HintFadeSteps(target)) {
        if (!first) Sleep(kHintFadeStepMs);
        first = false;
        PushLayeredImage(nullptr, opacity);
    }
}

void TsCustomHintWindow::ShowOverCapture() {
    const Bitmap screen = CaptureScreen();
    if (screen.Empty()) {
        Application->MessageBox("GDI error (out of resources)", "Error", MB_OK | MB_ICONERROR);
        return;
    }
    FCaptured = Cut(screen, BoundsRect());
    WorkBitmap() = FCaptured;
    FVisible = true;
    SetWindowPos(Handle(), HWND_TOPMOST, Left(), Top(), Width(), Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

// --- painting --------------------------------------------------------------------------------

void TsCustomHintWindow::Paint() {
    if (FLayered || FCaptured.Empty()) return;
    Bitmap& work = WorkBitmap();
    work = FCaptured;
    PaintShadow(work);
    MakeBody();
    MakeMask();
    TacHintComposer::Combine(work, FBody.Image(), FMask);
    Canvas()->Handle()->DrawBitmap(0, 0, work, work.BoundsRect());
}

void TsCustomHintWindow::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_NCPAINT:
        MakeMask();
        return;
    case WM_ERASEBKGND:
        m.Result = 1;
        return;
    case SM_SKINCMD:
        if (SkinCmdCode(m.WParam) == scUniformBackground) {
            m.Result = 1; // gradient, shape and shadow: never one plain colour
            return;
        }
        if (SkinCmdCode(m.WParam) == scGetCacheInfo) {
            AnswerCacheInfo();
            return;
        }
        break;
    default:
        break;
    }
    THintWindow::Dispatch(m);
}

// What lies behind a control shown in the hint is the hint's body.
void TsCustomHintWindow::AnswerCacheInfo() const {
    const Bitmap& body = FBody.Image();
    CacheInfoAnswer = {&body, 0, 0, !body.Empty()};
}

TRect TsCustomHintWindow::GetBodyRect() {
    const int s = ShadowShift(), exOffset = Kind().ExOffset();
    if (FCorner == 1 || FCorner == 3) return {0, 0, Width() - s, Height() - s - exOffset};
    return {0, exOffset, Width() - s, Height() - s};
}

TPoint TsCustomHintWindow::GetPointerTip() {
    const int right = Width() - 3, bottom = Height() - 3;
    switch (FCorner) {
    case 1: return {3, bottom};
    case 2: return {right, 3};
    case 3: return {right, bottom};
    default: return {3, 3};
    }
}

int TsCustomHintWindow::ShapeLevel() const {
    if (TsHintManager::LayeredWindows()) return 0;
    const int a = Kind().Transparency() * 255 / 100;
    return std::clamp(2 * a - 255, 0, 255);
}

void TsCustomHintWindow::MakeMask() {
    if (FLook) {
        FMask = FLook->Mask({Width(), Height()}, ShapeLevel());
        return;
    }
    FMask = Bitmap(Width(), Height());
    FMask.Fill(clWhite);
    DeviceContext dc(&FMask);
    const int level = ShapeLevel();
    Shape().Fill(dc, {0, 0}, 0, RGB(level, level, level));
}

// The pointer lies outside the body rectangle; it takes the plain colour.
void TsCustomHintWindow::MakeBody() {
    FBody.SetSize(Width(), Height());
    if (FLook) {
        FLook->PaintBody(FBody.Image());
        PaintText(FBody.Image());
        return;
    }
    FBody.Image().Fill(ColorToRGB(Kind().Color()));
    PaintBackground(FBody.Image(), GetBodyRect());
    PaintText(FBody.Image());
    PaintBorder(FBody.Image());
}

void TsCustomHintWindow::PaintBackground(Bitmap& body, const TRect& rect) {
    TacHintBackground::Paint(Kind(), body, rect);
}

TRect TsCustomHintWindow::TextRect() {
    if (FLook) {
        const TRect f = FLook->FrameWidths();
        return {f.Left + 4, f.Top + 4, Width() - f.Right - 4, Height() - f.Bottom - 4};
    }
    const TsHintKind& kind = Kind();
    return GetBodyRect().Inflate(-(kind.MarginH() + kind.BevelWidth() + FExtraWidth / 2),
                                 -(kind.MarginV() + kind.BevelWidth() + FExtraHeight / 2));
}

void TsCustomHintWindow::PaintText(Bitmap&) {
    TRect r = TextRect();
    TCanvas* canvas = FBody.Canvas();
    canvas->Font()->Assign(TextFont());
    if (FLook) canvas->Font()->SetColor(FLook->FontColor());
    canvas->Brush()->SetStyle(bsClear);
    if (FManager->HTMLMode()) {
        TsHtml html;
        html.Prepare(&FBody, Text(), r);
        html.Render();
    } else if (FLook) {
        FLook->PaintText(*canvas, Text(), r);
    } else {
        HDC dc = canvas->Handle();
        dc->SelectFont(TextFont()->Handle());
        dc->SetTextColor(ColorToRGB(TextFont()->Color()));
        dc->SetBkMode(TRANSPARENT);
        DrawText(dc, Text(), &r, kTextFlags);
    }
}

void TsCustomHintWindow::PaintBorder(Bitmap& body) {
    if (Kind().BevelWidth() > 0) PaintMaskBorder(body);
}

void TsCustomHintWindow::PaintShadow(Bitmap& work) {
    if (!ShadowOn()) return;
    TacHintShadow::PaintShaped(work, Shape(), Kind().ShadowOffset(), Kind().ShadowBlur(), TacHintShadow::Darkest(Kind()));
}

void TsCustomHintWindow::PaintMaskBorder(Bitmap& body) const {
    const int w = std::min(body.Width(), FMask.Width()), h = std::min(body.Height(), FMask.Height());
    const TColor top = ColorToRGB(Kind().ColorBorderTop()), bottom = ColorToRGB(Kind().ColorBorderBottom());
    auto bgr = [](TColor c) {
        return std::array<std::uint8_t, 3>{static_cast<std::uint8_t>(GetBValue(c)), static_cast<std::uint8_t>(GetGValue(c)),
                                           static_cast<std::uint8_t>(GetRValue(c))};
    };
    const std::array<std::uint8_t, 3> topBgr = bgr(top), bottomBgr = bgr(bottom);
    auto outside = [](const std::uint8_t* p) { return p[0] == 255 && p[1] == 255 && p[2] == 255; };
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* m = FMask.ScanLine(y);
        const std::uint8_t* above = y > 0 ? FMask.ScanLine(y - 1) : nullptr;
        const std::uint8_t* below = y + 1 < h ? FMask.ScanLine(y + 1) : nullptr;
        std::uint8_t* out = body.ScanLine(y);
        for (int x = 0; x < w; ++x) {
            const int at = x * 3;
            if (outside(m + at)) continue;
            if (x == 0 || !above || outside(m + at - 3) || outside(above + at))
                std::copy_n(topBgr.data(), 3, out + at);
            else if (x == w - 1 || !below || outside(m + at + 3) || outside(below + at))
                std::copy_n(bottomBgr.data(), 3, out + at);
        }
    }
}
