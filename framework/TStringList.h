// Strings kept in memory, optionally sorted, with change events.
#pragma once

#include "framework/Events.h"
#include "framework/TStrings.h"

#include <functional>
#include <vector>

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList;
// < 0, 0 or > 0 for the items at index1 and index2.
using TStringListSortCompare = std::function<int(const TStringList& list, int index1, int index2)>;

// A sorted list keeps its order on every Add (Insert, Put and Exchange would break it and throw
// EListError); Duplicates decides what adding an equal string does in a sorted list. Strings
// compare ignoring case unless CaseSensitive. Objects are not owned.
class TStringList : public TStrings {
public:
    std::string ClassName() const override { return "TStringList"; }

    int Count() const override { return static_cast<int>(FList.size()); }
    int Add(const std::string& text) override;
    void Insert(int index, const std::string& text) override;
    void Delete(int index) override;
    void Clear() override;
    void Exchange(int index1, int index2) override;
    int IndexOf(const std::string& text) const override;

    // Binary search of a sorted list: true when found; index is where the string is or would go.
    bool Find(const std::string& text, int& index) const;
    virtual void Sort();
    void CustomSort(const TStringListSortCompare& compare);

    bool Sorted() const { return FSorted; }
    void SetSorted(bool sorted);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates duplicates) { FDuplicates = duplicates; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool caseSensitive);

    void Assign(const TPersistent* source) override;

    // Around every change, unless an update is in progress (then once, at its start and end).
    TNotifyEvent OnChanging;
    TNotifyEvent OnChange;

protected:
    std::string Get(int index) const override;
    void Put(int index, const std::string& text) override;
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;
    void SetUpdateState(bool updating) override;
    int CompareStrings(const std::string& a, const std::string& b) const override;
    virtual void Changing();
    virtual void Changed();

private:
    struct TStringItem {
        std::string String;
        TObject* Object = nullptr;
    };

    void CheckIndex(int index) const;
    void InsertItem(int index, const std::string& text);

    std::vector<TStringItem> FList;
    TDuplicates FDuplicates = dupIgnore;
    bool FSorted = false;
    bool FCaseSensitive = false;
};
