// One item of a menu: caption and state, sub-items, the command the platform reports for it, and
// the platform menu that holds its sub-items.
#pragma once

#include "framework/OwnerDrawState.h"
#include "framework/ShortCut.h"
#include "framework/TComponent.h"

#include "platform/controls/MenuCodes.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TBitmap;
class TCanvas;
class TMenu;

enum TMenuBreak { mbNone, mbBreak, mbBarBreak };

// A caption as shown: each "&" that marks a mnemonic dropped, "&&" made one "&".
std::string StripHotkey(std::string_view caption);

using TMenuMeasureItemEvent = std::function<void(TObject* sender, TCanvas* canvas, int& width, int& height)>;
using TMenuDrawItemEvent =
    std::function<void(TObject* sender, TCanvas* canvas, const TRect& rect, bool selected)>;
using TAdvancedMenuDrawItemEvent =
    std::function<void(TObject* sender, TCanvas* canvas, const TRect& rect, TOwnerDrawState state)>;

// Items form a tree under the root item of a TMenu. The tree is separate from ownership: an item
// frees its sub-items when it goes, and a sub-item freed by its owner first leaves the tree.
//
// Every change of an item is put on the platform menu at once (when that menu exists): the
// parent's platform menu is filled again from its visible sub-items, and the menu is told.
class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;
    std::string ClassName() const override { return "TMenuItem"; }

    // --- caption and state -----------------------------------------------------------------
    // "&" marks the mnemonic ("&&" is a plain ampersand); "-" alone makes a separator.
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& caption);
    bool IsLine() const { return FCaption == "-"; }
    // Checking a radio item clears the other radio items of its GroupIndex under the same parent.
    bool Checked() const { return FChecked; }
    void SetChecked(bool checked);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);
    // A hidden item is left off the platform menu.
    bool Visible() const { return FVisible; }
    void SetVisible(bool visible);
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int index);
    // Click() toggles Checked (a radio item is only ever checked by it).
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool value) { FAutoCheck = value; }
    // The default item of its menu is shown in bold.
    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    // mbBreak and mbBarBreak start a new column (a new row in a menu bar).
    TMenuBreak Break() const { return FBreak; }
    void SetBreak(TMenuBreak value);
    // Shown after the caption; the form runs the item when the key is pressed.
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut shortCut);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& hint) { FHint = hint; }
    // A picture for owner drawing, made empty on first use.
    TBitmap* Bitmap();
    void SetBitmap(const TBitmap* bitmap);
    bool HasBitmap() const;

    // --- sub-items ---------------------------------------------------------------------------
    int Count() const { return static_cast<int>(FItems.size()); }
    // EMenuError "Menu index out of range" for a bad index.
    TMenuItem* Items(int index) const;
    TMenuItem* Parent() const { return FParent; }
    // The menu whose tree holds this item, nullptr for a loose item.
    TMenu* GetParentMenu() const;
    // The position among the parent's sub-items, -1 without a parent.
    int MenuIndex() const;
    void SetMenuIndex(int index);
    int IndexOf(const TMenuItem* item) const;
    // The first sub-item whose caption, without its "&", matches (ignoring case).
    TMenuItem* Find(std::string_view caption) const;
    // An item already in a tree, or one that holds this item, is refused with EMenuError.
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    // Take the sub-item out of the tree without freeing it (its owner still frees it).
    void Remove(TMenuItem* item);
    void Delete(int index);
    // Frees every sub-item.
    void Clear();

    // --- the platform menu -----------------------------------------------------------------
    // The id WM_COMMAND carries when the item is chosen; unique in the program.
    UINT Command() const { return FCommand; }
    // The platform menu of the sub-items (the menu bar for a main menu's root), made on first use.
    HMENU Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    // Fills the platform menu again from the visible sub-items; deep: their menus too.
    void RebuildHandle(bool deep = false);

    // Checks an AutoCheck item, then runs OnClick; a disabled item does nothing.
    virtual void Click();
    // The menu's owner-draw requests: sizes preset by the platform, then the event may change them.
    virtual void MeasureItem(TCanvas* canvas, int& width, int& height);
    // OnAdvancedDrawItem, else OnDrawItem, else the plain look.
    virtual void AdvancedDrawItem(TCanvas* canvas, const TRect& rect, TOwnerDrawState state);
    // The item is on its menu's bar (a main menu's top level).
    bool IsTopLevel() const;
    bool IsOwnerDraw() const;

    TNotifyEvent OnClick;
    TMenuMeasureItemEvent OnMeasureItem;
    TMenuDrawItemEvent OnDrawItem;
    TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;

protected:
    friend class TMenu;

    // This item changed: the parent's platform menu shows it again and the menu hears of it.
    void Changed();
    // The root item of a menu knows its menu.
    void SetRootOf(TMenu* menu) { FMenu = menu; }
    bool IsDestroying() const { return ComponentState().Contains(csDestroying); }

private:
    void AppendTo(HMENU menu);
    std::string PlatformText() const;
    void TurnSiblingsOff();
    void CheckInsertable(const TMenuItem* item) const;
    void NotifyMenu();

    std::string FCaption;
    std::string FHint;
    bool FChecked = false;
    bool FEnabled = true;
    bool FVisible = true;
    bool FRadioItem = false;
    bool FAutoCheck = false;
    bool FDefault = false;
    int FGroupIndex = 0;
    TMenuBreak FBreak = mbNone;
    TShortCut FShortCut = scNone;
    std::unique_ptr<TBitmap> FBitmap;

    TMenuItem* FParent = nullptr;
    std::vector<TMenuItem*> FItems;
    TMenu* FMenu = nullptr;
    HMENU FHandle = nullptr;
    UINT FCommand = 0;
};
