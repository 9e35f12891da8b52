// Menu items: their state, their tree and their platform menus.
#include "framework/TMenuItem.h"

#include "framework/Consts.h"
#include "framework/Exception.h"
#include "framework/SysUtils.h"
#include "framework/TBitmap.h"
#include "framework/TMenu.h"
#include "framework/TMenuItemPainter.h"

#include "platform/controls/MenuApi.h"
#include "platform/system/Mnemonic.h"

#include <algorithm>
#include <vector>

namespace {

// WM_COMMAND names a menu item by its id alone, and one window may hold several menus (the popup
// menus all report to one window), so ids are handed out once for the whole program.
class TCommandPool {
public:
    static UINT Allocate() {
        std::vector<bool>& used = Used();
        for (std::size_t tries = 1; tries < used.size(); ++tries) {
            FNext = FNext + 1 < used.size() ? FNext + 1 : 1;
            if (!used[FNext]) {
                used[FNext] = true;
                return static_cast<UINT>(FNext);
            }
        }
        throw EMenuError("No menu command ids left");
    }
    static void Release(UINT id) {
        if (id > 0 && id < Used().size()) Used()[id] = false;
    }

private:
    // Ids stay below the system commands' range (SC_* from 0xF000).
    static std::vector<bool>& Used() {
        static std::vector<bool> used(0xF000, false);
        return used;
    }
    static inline std::size_t FNext = 0;
};

} // namespace

std::string StripHotkey(std::string_view caption) {
    return StripMnemonics(caption);
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), FCommand(TCommandPool::Allocate()) {}

// Sub-items go first, each leaving this item's list; then this item leaves its parent, whose
// platform menu no longer shows it, and only then is its own platform menu destroyed.
TMenuItem::~TMenuItem() {
    BeforeDestruction();
    while (!FItems.empty()) delete FItems.back();
    if (FParent) FParent->Remove(this);
    if (FHandle) {
        while (GetMenuItemCount(FHandle) > 0) RemoveMenu(FHandle, 0, MF_BYPOSITION);
        DestroyMenu(FHandle);
    }
    TCommandPool::Release(FCommand);
}

// --- caption and state -----------------------------------------------------------------------

void TMenuItem::SetCaption(const std::string& caption) {
    if (FCaption == caption) return;
    FCaption = caption;
    Changed();
}

void TMenuItem::SetChecked(bool checked) {
    if (FChecked == checked) return;
    FChecked = checked;
    if (checked && FRadioItem) TurnSiblingsOff();
    Changed();
}

void TMenuItem::TurnSiblingsOff() {
    if (!FParent) return;
    for (TMenuItem* sibling : FParent->FItems) {
        if (sibling == this || !sibling->FRadioItem || sibling->FGroupIndex != FGroupIndex ||
            !sibling->FChecked)
            continue;
        sibling->FChecked = false;
        sibling->Changed();
    }
}

void TMenuItem::SetEnabled(bool enabled) {
    if (FEnabled == enabled) return;
    FEnabled = enabled;
    Changed();
}

void TMenuItem::SetVisible(bool visible) {
    if (FVisible == visible) return;
    FVisible = visible;
    Changed();
}

void TMenuItem::SetRadioItem(bool value) {
    if (FRadioItem == value) return;
    FRadioItem = value;
    if (FRadioItem && FChecked) TurnSiblingsOff();
    Changed();
}

void TMenuItem::SetGroupIndex(int index) {
    if (index < 0 || index > 255) throw ERangeError(SRangeError);
    if (FGroupIndex == index) return;
    FGroupIndex = index;
    if (FRadioItem && FChecked) TurnSiblingsOff();
    Changed();
}

void TMenuItem::SetDefault(bool value) {
    if (FDefault == value) return;
    FDefault = value;
    if (value && FParent)
        for (TMenuItem* sibling : FParent->FItems)
            if (sibling != this && sibling->FDefault) sibling->FDefault = false;
    Changed();
}

void TMenuItem::SetBreak(TMenuBreak value) {
    if (FBreak == value) return;
    FBreak = value;
    Changed();
}

void TMenuItem::SetShortCut(TShortCut shortCut) {
    if (FShortCut == shortCut) return;
    FShortCut = shortCut;
    Changed();
}

TBitmap* TMenuItem::Bitmap() {
    if (!FBitmap) FBitmap = std::make_unique<TBitmap>();
    return FBitmap.get();
}

bool TMenuItem::HasBitmap() const {
    return FBitmap && !FBitmap->Empty();
}

void TMenuItem::SetBitmap(const TBitmap* bitmap) {
    Bitmap()->Assign(bitmap);
    Changed();
}

// --- the tree --------------------------------------------------------------------------------

TMenuItem* TMenuItem::Items(int index) const {
    if (index < 0 || index >= Count()) throw EMenuError(SMenuIndexError);
    return FItems[static_cast<std::size_t>(index)];
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* root = this;
    while (root->FParent) root = root->FParent;
    return root->FMenu;
}

bool TMenuItem::IsTopLevel() const {
    return FParent && FParent->FMenu && FParent->FMenu->IsBar();
}

bool TMenuItem::IsOwnerDraw() const {
    const TMenu* menu = GetParentMenu();
    return menu && menu->OwnerDraw();
}

int TMenuItem::MenuIndex() const {
    return FParent ? FParent->IndexOf(this) : -1;
}

void TMenuItem::SetMenuIndex(int index) {
    if (!FParent) return;
    std::vector<TMenuItem*>& list = FParent->FItems;
    index = std::clamp(index, 0, static_cast<int>(list.size()) - 1);
    list.erase(list.begin() + MenuIndex());
    list.insert(list.begin() + index, this);
    FParent->RebuildHandle();
    NotifyMenu();
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    const auto found = std::find(FItems.begin(), FItems.end(), item);
    return found == FItems.end() ? -1 : static_cast<int>(found - FItems.begin());
}

TMenuItem* TMenuItem::Find(std::string_view caption) const {
    const std::string wanted = StripHotkey(caption);
    for (TMenuItem* item : FItems)
        if (AnsiSameText(StripHotkey(item->FCaption), wanted)) return item;
    return nullptr;
}

void TMenuItem::CheckInsertable(const TMenuItem* item) const {
    if (item->FParent || item->FMenu) throw EMenuError(SMenuReinserted);
    for (const TMenuItem* up = this; up; up = up->FParent)
        if (up == item) throw EMenuError(SMenuInsertsItself);
}

void TMenuItem::Add(TMenuItem* item) {
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item) return;
    CheckInsertable(item);
    if (index < 0 || index > Count()) throw EMenuError(SMenuIndexError);
    FItems.insert(FItems.begin() + index, item);
    item->FParent = this;
    if (item->FRadioItem && item->FChecked) item->TurnSiblingsOff();
    RebuildHandle();
    // The first sub-item turns this item into a submenu on its parent's platform menu.
    if (Count() == 1 && FParent) FParent->RebuildHandle();
    NotifyMenu();
}

void TMenuItem::Remove(TMenuItem* item) {
    const int index = IndexOf(item);
    if (index < 0) return;
    FItems.erase(FItems.begin() + index);
    item->FParent = nullptr;
    if (IsDestroying()) return;
    RebuildHandle();
    if (FItems.empty() && FParent) FParent->RebuildHandle();
    NotifyMenu();
}

void TMenuItem::Delete(int index) {
    Remove(Items(index));
}

void TMenuItem::Clear() {
    while (!FItems.empty()) delete FItems.back();
}

// --- the platform menu ---------------------------------------------------------------------

HMENU TMenuItem::Handle() {
    if (!FHandle && !IsDestroying()) {
        FHandle = FMenu && FMenu->IsBar() ? CreateMenu() : CreatePopupMenu();
        RebuildHandle();
    }
    return FHandle;
}

void TMenuItem::RebuildHandle(bool deep) {
    if (!FHandle || IsDestroying()) return;
    while (GetMenuItemCount(FHandle) > 0) RemoveMenu(FHandle, 0, MF_BYPOSITION);
    for (TMenuItem* item : FItems) {
        if (deep) item->RebuildHandle(true);
        if (item->FVisible) item->AppendTo(FHandle);
    }
}

std::string TMenuItem::PlatformText() const {
    const std::string shortCut = ShortCutToText(FShortCut);
    return shortCut.empty() ? FCaption : FCaption + "\t" + shortCut;
}

void TMenuItem::AppendTo(HMENU menu) {
    static constexpr UINT breaks[] = {0, MFT_MENUBREAK, MFT_MENUBARBREAK};
    MENUITEMINFO info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_DATA | MIIM_SUBMENU;
    info.fType = breaks[FBreak] | (IsLine() ? MFT_SEPARATOR : MFT_STRING) |
                 (FRadioItem ? MFT_RADIOCHECK : 0) | (IsOwnerDraw() ? MFT_OWNERDRAW : 0);
    info.fState = (FChecked ? MFS_CHECKED : 0) | (FEnabled ? 0 : MFS_GRAYED) | (FDefault ? MFS_DEFAULT : 0);
    info.wID = FCommand;
    info.dwItemData = FCommand;
    info.hSubMenu = FItems.empty() ? nullptr : Handle();
    info.dwTypeData = PlatformText();
    InsertMenuItem(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
}

void TMenuItem::Changed() {
    if (IsDestroying()) return;
    if (FParent) FParent->RebuildHandle();
    NotifyMenu();
}

void TMenuItem::NotifyMenu() {
    if (TMenu* menu = GetParentMenu()) menu->MenuChanged(this);
}

// --- actions and owner drawing ---------------------------------------------------------------

void TMenuItem::Click() {
    if (!FEnabled) return;
    if (FAutoCheck) SetChecked(FRadioItem || !FChecked);
    if (OnClick) OnClick(this);
}

void TMenuItem::MeasureItem(TCanvas* canvas, int& width, int& height) {
    TMenuItemPainter::Measure(this, canvas, width, height);
    if (OnMeasureItem) OnMeasureItem(this, canvas, width, height);
}

void TMenuItem::AdvancedDrawItem(TCanvas* canvas, const TRect& rect, TOwnerDrawState state) {
    if (OnAdvancedDrawItem)
        OnAdvancedDrawItem(this, canvas, rect, state);
    else if (OnDrawItem)
        OnDrawItem(this, canvas, rect, state.Contains(odSelected));
    else
        TMenuItemPainter::Draw(this, canvas, rect, state);
}
