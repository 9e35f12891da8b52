// The skinned page control's tabs.
#include "skin/controls/TacTabPainter.h"

#include "skin/controls/TacTabScroller.h"
#include "skin/controls/TsTabSheet.h"
#include "skin/paint/MaskedImage.h"
#include "skin/paint/SectionText.h"
#include "skin/paint/TacSectionPainter.h"
#include "skin/paint/TsCommonData.h"

#include "skin/data/TsSkinManager.h"

#include "framework/TBitmap.h"
#include "framework/TCanvas.h"
#include "framework/TFont.h"
#include "framework/TPageControl.h"
#include "framework/TTabSheet.h"
#include "platform/text/TextDraw.h"

#include <algorithm>

int TacTabPainter::TabSection(int pageIndex, std::string& name) const {
    TsSkinModel* skin = FData.SkinModel();
    if (!skin || skin->SectionIndex("TABTOP") <= 0) return -1;
    const auto* sheet = dynamic_cast<const TsTabSheet*>(FControl.Pages(pageIndex));
    static const char* const ByStyle[] = {"TABTOP", "BUTTON", "TOOLBUTTON"};
    static const char* const BySide[] = {"TABTOP", "TABBOTTOM", "TABLEFT", "TABRIGHT"};
    if (sheet && !sheet->TabSkin().empty()) name = sheet->TabSkin();
    else name = FControl.Style() == tsTabs ? BySide[FControl.TabPosition()] : ByStyle[FControl.Style()];
    return skin->SectionIndex(name);
}

// Tabs on a side are never scrolled: nothing cuts them but the control's edge.
TRect TacTabPainter::Strip() const {
    if (Vertical()) return FControl.ClientRect();
    TRect strip = FGeometry.TabsRect();
    if (const TRect scroller = FScroller.Bounds(); !scroller.IsEmpty()) strip.Right = scroller.Left;
    return strip;
}

bool TacTabPainter::Vertical() const {
    return FControl.TabPosition() == tpLeft || FControl.TabPosition() == tpRight;
}

void TacTabPainter::PaintTabsArea(const TParentImageInfo& parent) {
    Bitmap& image = FData.CacheBitmap()->Image();
    const TRect tabs = FGeometry.TabsRect();
    if (parent.Ready && parent.Bmp) {
        image.CopyRect(tabs.Left, tabs.Top, *parent.Bmp, tabs.Offset(FControl.Left() + parent.X, FControl.Top() + parent.Y));
    } else {
        image.FillRect(tabs, ColorToRGB(FControl.Parent() ? FControl.Parent()->Color() : FControl.Color()));
    }
    for (int row = 1; row <= FGeometry.RowCount(); ++row)
        for (int i = 0; i < FControl.PageCount(); ++i)
            if (FControl.Pages(i) != FControl.ActivePage() && FGeometry.RowOf(i) == row) PaintTab(i, 0, {0, 0}, image);
}

void TacTabPainter::PaintTab(int pageIndex, int state, TPoint offset, Bitmap& target) const {
    if (pageIndex < 0 || pageIndex >= FControl.PageCount() || !FControl.Pages(pageIndex)->TabVisible()) return;
    const bool isActive = FControl.Pages(pageIndex) == FControl.ActivePage();
    const TRect r = FGeometry.TabRect(pageIndex, isActive);
    if (r.IsEmpty() || (state == 1 && r.Left < 0)) return;
    const TRect r2 = FGeometry.TabRect(pageIndex, state == 2 && isActive);
    PaintTabFace(pageIndex, state, r2, offset, target);
    PaintCaption(pageIndex, state, r2, offset, target);
    PaintCloseButton(pageIndex, state, offset, target);
}

// The tab section over the tab's rectangle: the active tab over the page background it stands
// on, the others over the control's image, never reaching into the page area.
void TacTabPainter::PaintTabFace(int pageIndex, int state, const TRect& r2, TPoint offset, Bitmap& target) const {
    std::string name;
    const int section = TabSection(pageIndex, name);
    TsSkinModel* skin = FData.SkinModel();
    const TBitmap* cache = FData.CacheBitmap();
    if (section < 0 || !skin || !cache || skin->MaskIndex(section, name, "BORDERSMASK") < 0) return;
    const Bitmap& image = cache->Image();
    Bitmap face(r2.Width(), r2.Height());
    const bool active = state == 2 && FControl.Pages(pageIndex) == FControl.ActivePage();
    if (active) face.CopyRect(0, 0, image, r2);
    const Bitmap behind = active ? face : Bitmap();
    const TParentImageInfo parent = active ? TParentImageInfo{&behind, 0, 0, true} : TParentImageInfo{&image, 0, 0, true};
    const TPoint pos = active ? TPoint{0, 0} : TPoint{r2.Left, r2.Top};
    TacSectionPainter(*skin, section, name).ByIndex({face, pos, face.BoundsRect(), state, parent}, -1, -1, true);
    TRect shown = face.BoundsRect();
    if (!active && FControl.TabPosition() == tpTop) shown.Bottom = std::min(shown.Bottom, FGeometry.PageRect().Top - r2.Top);
    if (!active && FControl.TabPosition() == tpLeft) shown.Right = std::min(shown.Right, FGeometry.PageRect().Left - r2.Left);
    shown.Right = std::min(shown.Right, Strip().Right - r2.Left);
    if (!shown.IsEmpty()) target.CopyRect(r2.Left + offset.X, r2.Top + offset.Y, face, shown);
}

// An owner-drawn control draws the tab's content itself, on the target.
void TacTabPainter::PaintCaption(int pageIndex, int state, const TRect& r2, TPoint offset, Bitmap& target) const {
    const TRect r = r2.Offset(offset.X, offset.Y);
    DeviceContext dc(&target);
    dc.IntersectClipRect({r.Left, r.Top, Strip().Right + offset.X, r.Bottom});
    TCanvas canvas(&dc);
    canvas.Font()->Assign(FControl.Font());
    const TTabSheet* sheet = FControl.Pages(pageIndex);
    if (FControl.OwnerDraw() && FControl.OnDrawTab) {
        FControl.OnDrawTab(&FControl, &canvas, sheet->TabIndex(), r, sheet == FControl.ActivePage());
        return;
    }
    std::string name;
    const int section = TabSection(pageIndex, name);
    const std::string caption = sheet->Caption();
    if (Vertical()) {
        DrawTurnedCaption(canvas, caption, state, section, r);
    } else {
        DrawSectionText(canvas, caption, FControl.Enabled(), FData.SkinManager(), state != 0, section,
                        DT_CENTER | DT_VCENTER | DT_SINGLELINE, r);
    }
    const bool focusShown = Vertical() ? state != 0 : state == 2;
    if (focusShown && FControl.Focused()) DrawFocusAround(canvas, caption, r);
}

// Tabs on a side read upward on the left and downward on the right, in Arial of the control
// font's height and manner but normal weight, in the section's plain ink.
void TacTabPainter::DrawTurnedCaption(TCanvas& canvas, const std::string& caption, int state, int section, const TRect& r) const {
    TFont& font = *canvas.Font();
    font.SetName("Arial");
    TFontStyles style = font.Style();
    style.Exclude(fsBold);
    font.SetStyle(style);
    font.SetOrientation(FControl.TabPosition() == tpLeft ? -2700 : -900);
    TsSkinModel* skin = FData.SkinModel();
    TColor ink = ColorToRGB(FControl.Font()->Color());
    if (skin && section >= 0 && section < static_cast<int>(skin->GeneralData.size())) {
        const TsGeneralData& data = skin->GeneralData[static_cast<std::size_t>(section)];
        ink = state != 0 ? data.HotFontColor[0] : data.FontColor[0];
    }
    font.SetColor(FControl.Enabled() ? ink : TColor(0x808080));
    canvas.Brush()->SetStyle(bsClear);
    TRect area = r;
    canvas.TextRect(area, caption, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// The caption's extent centred in the tab, as it lies on the device.
void TacTabPainter::DrawFocusAround(TCanvas& canvas, const std::string& caption, const TRect& r) const {
    TSize extent = GetTextExtent(canvas.Handle(), caption);
    if (Vertical()) std::swap(extent.cx, extent.cy);
    const TPoint centre{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    const TRect around = Bounds(centre.X - extent.cx / 2, centre.Y - extent.cy / 2, extent.cx, extent.cy);
    canvas.Handle()->DrawFocusRect(around.Inflate(2, 1));
}

void TacTabPainter::PaintTabOnDevice(HDC dc, int pageIndex, int state) const {
    const bool isActive = pageIndex >= 0 && pageIndex < FControl.PageCount() &&
                          FControl.Pages(pageIndex) == FControl.ActivePage();
    const TRect r = FGeometry.TabRect(pageIndex, state == 2 && isActive);
    if (!dc || r.IsEmpty()) return;
    Bitmap bmp(r.Width(), r.Height());
    if (const TBitmap* cache = FData.CacheBitmap(); cache && !cache->Empty()) bmp.CopyRect(0, 0, cache->Image(), r);
    PaintTab(pageIndex, state, {-r.Left, -r.Top}, bmp);
    dc->DrawBitmap(r.Left, r.Top, bmp, bmp.BoundsRect());
}

int TacTabPainter::ClosePicture() const {
    TsSkinModel* skin = FData.SkinModel();
    const int global = skin ? skin->SectionIndex("GLOBALINFO") : -1;
    if (global < 0) return -1;
    const int small = skin->MaskIndex(global, "GLOBALINFO", "SICONCLOSE");
    return small >= 0 ? small : skin->MaskIndex(global, "GLOBALINFO", "BICONCLOSE");
}

TRect TacTabPainter::CloseSquare(int pageIndex, int state) const {
    const auto* sheet = pageIndex >= 0 && pageIndex < FControl.PageCount()
                            ? dynamic_cast<const TsTabSheet*>(FControl.Pages(pageIndex)) : nullptr;
    if (!FClose.Show || !sheet || !sheet->UseCloseBtn()) return {};
    TsSkinModel* skin = FData.SkinModel();
    const int picture = ClosePicture();
    TSize size{16, 16};
    if (FClose.Skin.empty() && picture >= 0) {
        const TsMaskData& mask = skin->Masks[static_cast<std::size_t>(picture)];
        size = {mask.R.Width() / std::max(1, mask.ImageCount), mask.R.Height() / (mask.MaskType + 1)};
    } else if (FClose.Skin.empty() || !skin || skin->SectionIndex(FClose.Skin) < 0) {
        return {};
    }
    const bool isActive = sheet == FControl.ActivePage();
    const TRect r = FGeometry.TabRect(pageIndex, state == 2 && isActive);
    if (r.IsEmpty()) return {};
    return {r.Right - size.cx - 1, r.Top + 1, r.Right - 1, r.Top + size.cy + 1};
}

// The skin's close picture in the button's state, or the close section with a bold red cross.
void TacTabPainter::PaintCloseButton(int pageIndex, int state, TPoint offset, Bitmap& target) const {
    const TRect square = CloseSquare(pageIndex, state).Offset(offset.X, offset.Y);
    TsSkinModel* skin = FData.SkinModel();
    if (square.IsEmpty() || !skin) return;
    const int buttonState = FClose.StateOf(pageIndex);
    if (FClose.Skin.empty()) {
        DrawSkinImage(target, {square.Left, square.Top}, buttonState, skin->Masks[static_cast<std::size_t>(ClosePicture())], 1);
        return;
    }
    const int section = skin->SectionIndex(FClose.Skin);
    const Bitmap behind = target;
    const TParentImageInfo parent{&behind, 0, 0, true};
    TacSectionPainter(*skin, section, FClose.Skin).ByIndex({target, {square.Left, square.Top}, square, buttonState, parent}, -1, -1, true);
    const int shift = buttonState == 2 ? 1 : 0;
    const TPoint c{(square.Left + square.Right) / 2 + shift, (square.Top + square.Bottom) / 2 + shift};
    const int d = std::max(2, square.Width() / 4);
    DeviceContext dc(&target);
    dc.Line(c.X - d, c.Y - d, c.X + d + 1, c.Y + d + 1, clRed, 2);
    dc.Line(c.X + d, c.Y - d, c.X - d - 1, c.Y + d + 1, clRed, 2);
}
