// Menus: finding items and handing them the platform's menu messages.
#include "framework/TMenu.h"

#include "framework/TCanvas.h"
#include "framework/TMenuItemPainter.h"

#include "platform/controls/MenuApi.h"

#include <algorithm>

namespace {

template <class Match> TMenuItem* FindIn(TMenuItem* item, const Match& match) {
    if (match(item)) return item;
    for (int i = 0; i < item->Count(); ++i)
        if (TMenuItem* found = FindIn(item->Items(i), match)) return found;
    return nullptr;
}

bool EnabledUpTo(const TMenuItem* item, const TMenuItem* root) {
    for (; item && item != root; item = item->Parent())
        if (!item->Enabled()) return false;
    return true;
}

} // namespace

TMenu::TMenu(TComponent* owner) : TComponent(owner), FItems(new TMenuItem(this)) {
    FItems->SetRootOf(this);
}

// The items go while the menu is whole: they tell it of their removal on the way.
TMenu::~TMenu() {
    BeforeDestruction();
}

void TMenu::SetOwnerDraw(bool value) {
    if (FOwnerDraw == value) return;
    FOwnerDraw = value;
    Rebuild();
}

TMenuItem* TMenu::FindItemByCommand(UINT command) const {
    if (command == 0) return nullptr;
    return FindIn(FItems, [command](const TMenuItem* item) { return item->Command() == command; });
}

TMenuItem* TMenu::FindItemByHandle(HMENU menu) const {
    if (!menu) return nullptr;
    return FindIn(FItems,
                  [menu](TMenuItem* item) { return item->HandleAllocated() && item->Handle() == menu; });
}

TMenuItem* TMenu::FindItemByShortCut(TShortCut shortCut) const {
    if (shortCut == scNone) return nullptr;
    return FindIn(FItems, [shortCut](const TMenuItem* item) { return item->ShortCut() == shortCut; });
}

bool TMenu::DispatchCommand(UINT command) {
    TMenuItem* item = FindItemByCommand(command);
    if (!item) return false;
    item->Click();
    return true;
}

bool TMenu::DispatchPopup(HMENU submenu) {
    TMenuItem* item = FindItemByHandle(submenu);
    if (!item) return false;
    item->Click();
    return true;
}

bool TMenu::MeasureItem(MEASUREITEMSTRUCT& request) {
    if (request.CtlType != ODT_MENU) return false;
    TMenuItem* item = FindItemByCommand(request.itemID);
    if (!item) return false;
    TCanvas canvas;
    canvas.SetHandle(std::make_unique<DeviceContext>());
    TMenuItemPainter::PrepareCanvas(&canvas, item);
    int width = static_cast<int>(request.itemWidth);
    int height = static_cast<int>(request.itemHeight);
    item->MeasureItem(&canvas, width, height);
    request.itemWidth = static_cast<UINT>(std::max(0, width));
    request.itemHeight = static_cast<UINT>(std::max(0, height));
    return true;
}

bool TMenu::DrawItem(const DRAWITEMSTRUCT& request) {
    if (request.CtlType != ODT_MENU || !request.hDC) return false;
    TMenuItem* item = FindItemByCommand(request.itemID);
    if (!item) return false;
    TCanvas canvas(request.hDC);
    TMenuItemPainter::PrepareCanvas(&canvas, item);
    item->AdvancedDrawItem(&canvas, request.rcItem, OwnerDrawStateFromBits(request.itemState));
    return true;
}

bool TMenu::IsShortCut(WORD key, TShiftState shift) {
    TMenuItem* item = FindItemByShortCut(ShortCut(key, shift));
    if (!item || !EnabledUpTo(item, FItems)) return false;
    item->Click();
    return true;
}

void TMenu::Rebuild() {
    FItems->RebuildHandle(true);
    MenuChanged(nullptr);
}

void TMenu::MenuChanged(TMenuItem*) {}
