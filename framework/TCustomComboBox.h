// The combo box over the platform's "ComboBox": an editable text (csDropDown, csSimple) or a
// pick-only field (csDropDownList) over a list of items, with the selection, the drop-down and
// the events of both.
#pragma once

#include "framework/OwnerDrawState.h"
#include "framework/TItemStrings.h"
#include "framework/TWinControl.h"

#include <memory>

class TCanvas;

// The owner-drawn styles pick like csDropDownList; the items (and the field) are drawn by
// OnDrawItem, in rows of ItemHeight (csOwnerDrawFixed) or of what OnMeasureItem says for each.
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

using TDrawItemEvent = std::function<void(TWinControl* control, int index, const TRect& rect, TOwnerDrawState state)>;
using TMeasureItemEvent = std::function<void(TWinControl* control, int index, int& height)>;

// OnChange follows the user: a pick from the list (CBN_SELCHANGE) and, for the editable
// styles, typing (CBN_EDITCHANGE); ItemIndex and Text set by program raise nothing. A pick
// raises OnClick, then OnSelect when assigned, else OnChange. Keys typed into the editable
// field pass the combo box's own keyboard path (key preview, OnKeyPress, dialog keys).
class TCustomComboBox : public TWinControl {
public:
    explicit TCustomComboBox(TComponent* owner);
    ~TCustomComboBox() override;
    std::string ClassName() const override { return "TCustomComboBox"; }

    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle value);
    bool OwnerDrawn() const { return FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable; }
    // The height of an owner-drawn row and of the field; 1..255.
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int value);
    // Where OnDrawItem draws: the context of the item being drawn, with the font and the brush
    // set for its state (highlight colours when selected). No context outside drawing.
    TCanvas* Canvas() const { return FCanvas.get(); }
    TStrings* Items() const { return FItems.get(); }
    void SetItems(const TStrings* items) { FItems->Assign(items); }
    // -1: no item; the editable field then keeps what was typed. An index outside the items
    // selects nothing.
    int ItemIndex() const;
    void SetItemIndex(int index);
    bool Sorted() const { return FSorted; }
    void SetSorted(bool value);
    // How many items the open list shows before it scrolls.
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int value);
    // 0: no limit on typing.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value);
    bool DroppedDown() const;
    void SetDroppedDown(bool value);
    void Clear();

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;
    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void Dispatch(TMessage& message) override;
    virtual void CNCommand(TMessage& message);
    virtual void Change();
    virtual void Select();
    virtual void DropDown();
    virtual void CloseUp();
    // CN_DRAWITEM of an owner-drawn style: OnDrawItem, else the background and the item's text.
    virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
    // CN_MEASUREITEM: ItemHeight, or what OnMeasureItem makes of it for csOwnerDrawVariable.
    virtual void MeasureItem(int index, int& height);

private:
    void HookEdit();
    void CNDrawItem(TMessage& message);
    void CNMeasureItem(TMessage& message);
    void ApplyItemHeight();
    bool AsksOwnColours(const TMessage& message) const;
    LRESULT EditMessage(const WNDPROC& below, HWND edit, UINT msg, WPARAM wParam, LPARAM lParam);

    std::unique_ptr<TItemStrings> FItems;
    TComboBoxStyle FStyle = csDropDown;
    int FItemIndex = -1; // kept while there is no window
    bool FSorted = false;
    int FDropDownCount = 8;
    int FMaxLength = 0;
    int FItemHeight = 16;
    std::unique_ptr<TCanvas> FCanvas;
    std::shared_ptr<bool> FEditHookLive = std::make_shared<bool>(true);
};
