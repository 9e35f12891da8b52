// The base of main and popup menus: the root of an item tree, owner drawing, and the routing of
// the platform's menu messages (the chosen command, a submenu opening, measure and draw requests)
// to the items.
#pragma once

#include "framework/TMenuItem.h"

#include "platform/window/WinTypes.h"

class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;
    std::string ClassName() const override { return "TMenu"; }

    // The root item; its sub-items are the menu's items.
    TMenuItem* Items() const { return FItems; }
    // The platform menu of the top level, made on first use.
    HMENU Handle() const { return FItems->Handle(); }
    // The items are measured and drawn by their owner-draw events (or the framework's plain
    // look) instead of by the platform.
    bool OwnerDraw() const { return FOwnerDraw; }
    void SetOwnerDraw(bool value);
    // A menu bar (a main menu) rather than a popup.
    virtual bool IsBar() const { return false; }

    TMenuItem* FindItemByCommand(UINT command) const;
    // The item whose sub-items the platform menu holds (the root for the menu's own handle).
    TMenuItem* FindItemByHandle(HMENU menu) const;
    TMenuItem* FindItemByShortCut(TShortCut shortCut) const;

    // The platform's menu messages; each is false when no item of this menu is concerned.
    // WM_COMMAND: the item's Click.
    bool DispatchCommand(UINT command);
    // WM_INITMENUPOPUP: the Click of the item whose submenu opens, so it can update its sub-items.
    bool DispatchPopup(HMENU submenu);
    // WM_MEASUREITEM / WM_DRAWITEM of an owner-drawn item.
    bool MeasureItem(MEASUREITEMSTRUCT& request);
    bool DrawItem(const DRAWITEMSTRUCT& request);
    // Clicks the enabled item (under enabled parents) that has the key as its shortcut.
    bool IsShortCut(WORD key, TShiftState shift);

    // Puts every item on the platform menus anew, so that the platform measures them again.
    void Rebuild();
    // An item of this menu changed (nullptr: the whole menu).
    virtual void MenuChanged(TMenuItem* source);

protected:
    bool IsDestroying() const { return ComponentState().Contains(csDestroying); }

private:
    TMenuItem* FItems;
    bool FOwnerDraw = false;
};
