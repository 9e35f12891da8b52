// The items of a list box or combo box as a TStrings: kept in the platform list while the
// control has its window, and in memory before it is made and while it is made again.
#pragma once

#include "framework/TStringList.h"

#include "platform/window/WinTypes.h"

// The message numbers of one list kind (LB_* or CB_*).
struct TItemMessages {
    UINT AddString, InsertString, DeleteString, ResetContent, GetCount, GetText, GetItemData, SetItemData;
};

// In a sorted control Add puts an item at its sorted place (and returns that index); Insert
// keeps the place asked for, as the platform list does (the platform's own order returns when
// the window is made again). Objects ride in the items' data.
class TItemStrings : public TStrings {
public:
    explicit TItemStrings(const TItemMessages& messages) : FMessages(messages) {}
    std::string ClassName() const override { return "TItemStrings"; }

    // The control made its window: the items kept in memory move into it.
    void Attach(HWND list);
    // The window is about to go: the items come back into memory.
    void Detach();
    HWND List() const { return FList; }
    // The control's LBS_SORT / CBS_SORT: Add and Attach put items at their sorted place.
    void SetSorted(bool sorted) { FSorted = sorted; }

    int Count() const override;
    int Add(const std::string& text) override;
    void Insert(int index, const std::string& text) override;
    void Delete(int index) override;
    void Clear() override;

protected:
    std::string Get(int index) const override;
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;
    void SetUpdateState(bool updating) override;

private:
    void CheckIndex(int index) const;

    TItemMessages FMessages;
    HWND FList = nullptr;
    TStringList FStore; // the items while there is no window, in their order
    bool FSorted = false;
};
