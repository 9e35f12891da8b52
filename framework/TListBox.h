// The list box over the platform's "ListBox": items, the selected item and OnClick when the
// user selects one.
#pragma once

#include "framework/TItemStrings.h"
#include "framework/TWinControl.h"

// ItemIndex set by program raises nothing; a selection by mouse or keys raises OnClick, a
// double click OnDblClick.
class TListBox : public TWinControl {
public:
    explicit TListBox(TComponent* owner);
    ~TListBox() override;
    std::string ClassName() const override { return "TListBox"; }

    TStrings* Items() const { return FItems.get(); }
    void SetItems(const TStrings* items) { FItems->Assign(items); }
    // -1: nothing selected. An index outside the items selects nothing.
    int ItemIndex() const;
    void SetItemIndex(int index);
    bool Sorted() const { return FSorted; }
    void SetSorted(bool value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    void Clear() { FItems->Clear(); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void Dispatch(TMessage& message) override;
    virtual void CNCommand(TMessage& message);

private:
    std::unique_ptr<TItemStrings> FItems;
    int FItemIndex = -1; // kept while there is no window
    bool FSorted = false;
    TBorderStyle FBorderStyle = bsSingle;
};
