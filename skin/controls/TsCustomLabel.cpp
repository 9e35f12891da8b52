// The skinned labels' common painting: skin text colour, section behind and disabled text.
#include "skin/controls/TsCustomLabel.h"

#include "skin/paint/ColorBlend.h"
#include "skin/paint/ParentColors.h"
#include "skin/paint/ParentQueries.h"
#include "skin/paint/SectionPainting.h"

#include "skin/data/SkinCommands.h"
#include "skin/data/TsSkinManager.h"

#include "framework/TWinControl.h"
#include "platform/text/TextDraw.h"

bool TsCustomLabel::FontUpdating = false;

TsCustomLabel::TsCustomLabel(TComponent* owner) : TLabel(owner) {
    SetTransparent(true);
}

void TsCustomLabel::SetSkinSection(const std::string& section) {
    if (FSkinSection == section) return;
    FSkinSection = section;
    Invalidate();
}

TsSkinManager* TsCustomLabel::ManagerInForce() {
    TsSkinManager* manager = TsSkinManager::DefaultManager();
    return manager && manager->Active() && manager->Model().SkinData.Active ? manager : nullptr;
}

TFont* TsCustomLabel::GetCurrentFont() {
    TsSkinManager* manager = ManagerInForce();
    if (!manager || !FollowsSkinColor()) return Font();
    const TColor skinColor = manager->GlobalFontColor();
    if (skinColor != clFuchsia && skinColor != Font()->Color()) Font()->SetColor(skinColor);
    return Font();
}

int TsCustomLabel::SectionIndex() const {
    TsSkinManager* manager = ManagerInForce();
    if (FSkinSection.empty() || !manager) return -1;
    return manager->SectionIndex(FSkinSection);
}

void TsCustomLabel::UpdateWorkingFont() {
    FontUpdating = true;
    TFont* current = GetCurrentFont();
    if (current != Font()) Font()->Assign(current);
    const int index = SectionIndex();
    if (index > 0) {
        const TColor sectionColor = ManagerInForce()->Model().GeneralData[static_cast<std::size_t>(index)].FontColor[0];
        if (Font()->Color() != sectionColor) Font()->SetColor(sectionColor);
    }
    FontUpdating = false;
}

void TsCustomLabel::Paint() {
    if (!FontUpdating) UpdateWorkingFont();
    const int index = SectionIndex();
    if (index > 0) {
        const TParentImageInfo parent = AskParentCacheInfo(*this);
        PaintSectionToDC(index, FSkinSection, parent, ManagerInForce(), Canvas()->Handle(), {Left(), Top()},
                         {0, 0, Width(), Height()}, 0, true);
    }
    TLabel::Paint();
}

void TsCustomLabel::CMFontChanged(TMessage& message) {
    if (FontUpdating) return;
    TLabel::CMFontChanged(message);
}

// Disabled text is not embossed under a skin: it sits 40 percent of the way from the parent's
// background to the font colour.
void TsCustomLabel::DrawLabelText(HDC dc, const std::string& text, TRect& rect, unsigned flags) {
    if (Enabled() || !ManagerInForce()) return TLabel::DrawLabelText(dc, text, rect, flags);
    std::string shown = text;
    const bool measuring = (flags & DT_CALCRECT) != 0;
    if (measuring && (shown.empty() || (shown == "&" && ShowAccelChar()))) shown += ' ';
    if (!ShowAccelChar()) flags |= DT_NOPREFIX;
    ResetParentColors();
    if (Parent()) GetParentBackgroundColor(*Parent());
    const TColor background = IsParentColorSet(ParentFillColor) ? ParentFillColor : ColorToRGB(Color());
    dc->SetTextColor(MixColors(ColorToRGB(Font()->Color()), background, 0.4));
    ResetParentColors();
    DrawText(dc, shown, &rect, flags);
}

// Without a skin the label goes back to the window-text colour, not the colour it had before. A
// refreshed skin shows at once, as the colour is taken while painting.
void TsCustomLabel::WndProc(TMessage& message) {
    TLabel::WndProc(message);
    if (message.Msg != SM_SKINCMD) return;
    if (reinterpret_cast<TsSkinManager*>(message.LParam) != TsSkinManager::DefaultManager()) return;
    const std::uint16_t code = SkinCmdCode(message.WParam);
    if (code == scSetSkin) Invalidate();
    if (code == scRemoveSkin && FollowsSkinColor() && Font()->Color() != clWindowText) Font()->SetColor(clWindowText);
}
