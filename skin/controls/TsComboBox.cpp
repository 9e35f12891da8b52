// The skinned combo box's painting, focus and hover, drop-down state and read-only mode.
#include "skin/controls/TsComboBox.h"

#include "skin/paint/BindingPainting.h"
#include "skin/paint/CachePainting.h"
#include "skin/paint/CacheRing.h"
#include "skin/paint/PaintCycle.h"

#include "skin/data/SkinCommands.h"

#include "framework/TBitmap.h"
#include "framework/TCanvas.h"
#include "framework/TFont.h"
#include "platform/controls/ComboBoxCodes.h"
#include "platform/controls/OwnerDrawCodes.h"
#include "platform/window/Win.h"

namespace {

// The keys a read-only combo does not let through: space to down arrow, "9", letters.
bool PicksOrTypes(WPARAM key) {
    return (key >= 32 && key <= 40) || key == 57 || (key >= 65 && key <= 90);
}

} // namespace

TsComboBox::TsComboBox(TComponent* owner)
    : TComboBox(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)),
      FBoundLabel(std::make_unique<TsBoundLabel>(this)) {
    SetDropDownCount(16);
    FSkinData->SetSkinSection("COMBOBOX");
    FSkinData->ApplySkin();
}

void TsComboBox::SetDisabledKind(TsDisabledKind value) {
    if (FDisabledKind == value) return;
    FDisabledKind = value;
    RepaintSkinned();
}

void TsComboBox::SetAlignment(TAlignment value) {
    if (FAlignment == value) return;
    FAlignment = value;
    RepaintSkinned();
}

void TsComboBox::SetShowButton(bool value) {
    if (FShowButton == value) return;
    FShowButton = value;
    RepaintSkinned();
}

bool TsComboBox::HasFocusWithin() const {
    if (!HandleAllocated()) return false;
    HWND focus = GetFocus();
    return focus && (focus == Handle() || IsChild(Handle(), focus));
}

int TsComboBox::SkinState() const {
    if (!Enabled()) return 0;
    return HasFocusWithin() || FSkinData->IsHot() ? 1 : 0;
}

TacComboLook TsComboBox::Look() const {
    TacComboLook look;
    look.Style = Style();
    look.OwnerDrawn = OwnerDrawn() && OnDrawItem != nullptr;
    look.ShowButton = FShowButton;
    look.Dropped = FDroppedState;
    look.Focused = HasFocusWithin();
    look.Enabled = Enabled();
    look.State = SkinState();
    look.Alignment = FAlignment;
    look.DisabledKind = FDisabledKind;
    if (HandleAllocated()) look.ItemHeight = static_cast<int>(SendMessage(Handle(), CB_GETITEMHEIGHT, 0, 0));
    return look;
}

void TsComboBox::PrepareCache() {
    TacComboImage(*this, *FSkinData).Prepare(Look());
}

void TsComboBox::RepaintSkinned() {
    FSkinData->SetCacheInvalid(true);
    if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void TsComboBox::WndProc(TMessage& message) {
    if (FReadOnly && ReadOnlySwallows(message)) return;
    if (Skinned() && BeforeSkinned(message)) return;
    std::weak_ptr<int> alive = AliveToken();
    FSkinData->RouteMessage(message, [this](TMessage& m) { TComboBox::WndProc(m); });
    if (alive.expired()) return;
    if (message.Msg == SM_SKINCMD) SkinChanged(SkinCmdCode(message.WParam));
    else if (Skinned()) AfterSkinned(message);
    FBoundLabel->Follow(message);
}

// The field and the list take the section's colours with a skin, the window's without, unless custom.
void TsComboBox::SkinChanged(std::uint16_t code) {
    if (code != scSetSkin && code != scRemoveSkin) return;
    const TsGeneralData* section = code == scSetSkin && Skinned() ? FSkinData->Section() : nullptr;
    if (code == scSetSkin && !section) return;
    if (!FSkinData->CustomColor()) SetColor(section ? section->Color : clWindow);
    if (!FSkinData->CustomFont()) Font()->SetColor(section ? section->FontColor[0] : clWindowText);
    RepaintSkinned();
}

bool TsComboBox::BeforeSkinned(TMessage& message) {
    switch (message.Msg) {
    case WM_PAINT: Paint(message); return true;
    case WM_ERASEBKGND: message.Result = 1; return true;
    case WM_SETFOCUS:
    case CM_ENTER:
        FSkinData->SetHasFocus(true);
        FSkinData->SetMouseInside(false);
        RepaintSkinned();
        return false;
    case WM_KILLFOCUS:
    case CM_EXIT:
        FSkinData->SetHasFocus(false);
        FSkinData->SetMouseInside(false);
        RepaintSkinned();
        return false;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        if (FDroppedState) return false;
        FSkinData->SetMouseInside(message.Msg == CM_MOUSEENTER);
        RepaintSkinned();
        return false;
    case WM_SETFONT:
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
    case WM_MOUSEWHEEL: FSkinData->SetCacheInvalid(true); return false;
    default: return false;
    }
}

void TsComboBox::AfterSkinned(const TMessage& message) {
    switch (message.Msg) {
    case CN_COMMAND: FDroppedState = FDroppedState && HIWORD(message.WParam) == CBN_DROPDOWN; [[fallthrough]];
    case CB_SETCURSEL:
    case WM_SETTEXT:
    case CM_TEXTCHANGED: RepaintSkinned(); break;
    default: break;
    }
}

// Keys that pick or type, the characters and the drop-down end here; a press only focuses.
bool TsComboBox::ReadOnlySwallows(TMessage& message) {
    switch (message.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_SYSCHAR:
    case CN_KEYDOWN: return PicksOrTypes(message.WParam);
    case WM_CHAR:
    case CN_CHAR:
    case CB_SHOWDROPDOWN: return true;
    case WM_LBUTTONDOWN:
        if (CanFocus()) SetFocus();
        return true;
    case WM_LBUTTONDBLCLK:
        if (CanFocus()) SetFocus();
        if (OnDblClick) OnDblClick(this);
        return true;
    default: return false;
    }
}

void TsComboBox::Paint(TMessage& message) {
    PaintInCycle(Handle(), reinterpret_cast<HDC>(message.WParam), [this](HDC dc) {
        if (dc && !Updating()) PaintImage(dc);
    });
}

// The platform's edit child shows the text of a focused editable combo; otherwise the image does.
void TsComboBox::PaintImage(HDC dc) {
    const TBitmap* cache = ReadyCache(*this);
    if (!cache) return;
    RestoreTransparentCorners(*FSkinData, SkinState(), 15);
    const Bitmap& image = cache->Image();
    const TacComboLook look = Look();
    if (OwnerDrawn()) {
        dc->DrawBitmap(0, 0, image, image.BoundsRect());
        if (look.OwnerDrawn) DrawFieldItem(dc, look);
        return;
    }
    if (!look.Enabled || look.Style == csDropDownList || (look.Style == csDropDown && !look.Focused)) {
        dc->DrawBitmap(0, 0, image, image.BoundsRect());
        return;
    }
    if (look.Style == csSimple) {
        CopyImageRing(dc, image, 3);
        return;
    }
    // All around the edit child, which shows the text itself.
    const int saved = dc->SaveDC();
    COMBOBOXINFO info;
    SendMessage(Handle(), CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
    if (info.hwndItem && info.hwndItem != Handle()) {
        TRect child;
        GetWindowRect(info.hwndItem, &child);
        TPoint topLeft{child.Left, child.Top};
        ::ScreenToClient(Handle(), &topLeft);
        dc->ExcludeClipRect(child.Offset(topLeft.X - child.Left, topLeft.Y - child.Top));
    }
    dc->DrawBitmap(0, 0, image, image.BoundsRect());
    dc->RestoreDC(saved);
}

// The current item through the framework's item drawing, focused and selected with the focus.
void TsComboBox::DrawFieldItem(HDC dc, const TacComboLook& look) {
    const int index = ItemIndex();
    if (index < 0) return;
    const TRect button = TacComboImage::ButtonRect({Width(), Height()}, look);
    DRAWITEMSTRUCT item;
    item.CtlType = ODT_COMBOBOX;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(Handle()));
    item.itemID = static_cast<UINT>(index);
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = ODS_COMBOBOXEDIT | (look.Focused && look.Enabled ? ODS_FOCUS | ODS_SELECTED : 0) |
                     (look.Enabled ? 0 : ODS_DISABLED);
    item.hwndItem = Handle();
    item.hDC = dc;
    item.rcItem = {3, 3, button.Left, Height() - 3};
    Perform(CN_DRAWITEM, static_cast<WPARAM>(item.CtlID), reinterpret_cast<LPARAM>(&item));
}

// The field of a skinned combo: the skin's face under the owner's drawing.
void TsComboBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
    if (!Skinned() || !state.Contains(odComboBoxEdit)) return TComboBox::DrawItem(index, rect, state);
    if (const TBitmap* cache = FSkinData->CacheBitmap(); cache && !cache->Empty())
        Canvas()->Handle()->DrawBitmap(rect.Left, rect.Top, cache->Image(), rect);
    if (OnDrawItem) OnDrawItem(this, index, rect, state);
}

void TsComboBox::DropDown() {
    FDroppedState = true;
    TComboBox::DropDown();
}

void TsComboBox::CloseUp() {
    FDroppedState = false;
    RepaintSkinned();
    TComboBox::CloseUp();
}

void TsComboBox::Loaded() {
    TComboBox::Loaded();
    FSkinData->ApplySkin();
}

// A combo made while a skin is in force takes its colours as a refresh would give them.
void TsComboBox::CreateWnd() {
    TComboBox::CreateWnd();
    FEditChild.Hook();
    if (Skinned()) SkinChanged(scSetSkin);
}
