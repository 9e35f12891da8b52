// List and combo items in the platform list or in memory.
#include "framework/TItemStrings.h"

#include "platform/window/Win.h"

void TItemStrings::Attach(HWND list) {
    FList = list;
    SendMessage(FList, FMessages.ResetContent, 0, 0);
    for (int i = 0; i < FStore.Count(); ++i) {
        const std::string text = FStore[i];
        const auto param = reinterpret_cast<LPARAM>(text.c_str());
        const LRESULT at = FSorted ? SendMessage(FList, FMessages.AddString, 0, param)
                                   : SendMessage(FList, FMessages.InsertString, static_cast<WPARAM>(-1), param);
        SendMessage(FList, FMessages.SetItemData, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(FStore.Objects(i)));
    }
    FStore.Clear();
}

void TItemStrings::Detach() {
    if (!FList) return;
    HWND list = FList;
    FList = nullptr;
    FStore.Clear();
    const int count = static_cast<int>(SendMessage(list, FMessages.GetCount, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::string text;
        SendMessage(list, FMessages.GetText, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&text));
        FStore.AddObject(text, reinterpret_cast<TObject*>(SendMessage(list, FMessages.GetItemData, static_cast<WPARAM>(i), 0)));
    }
}

void TItemStrings::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) IndexError(index);
}

int TItemStrings::Count() const {
    return FList ? static_cast<int>(SendMessage(FList, FMessages.GetCount, 0, 0)) : FStore.Count();
}

std::string TItemStrings::Get(int index) const {
    CheckIndex(index);
    if (!FList) return FStore[index];
    std::string text;
    SendMessage(FList, FMessages.GetText, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text));
    return text;
}

TObject* TItemStrings::GetObject(int index) const {
    CheckIndex(index);
    if (!FList) return FStore.Objects(index);
    return reinterpret_cast<TObject*>(SendMessage(FList, FMessages.GetItemData, static_cast<WPARAM>(index), 0));
}

void TItemStrings::PutObject(int index, TObject* object) {
    CheckIndex(index);
    if (!FList) FStore.SetObjects(index, object);
    else SendMessage(FList, FMessages.SetItemData, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(object));
}

int TItemStrings::Add(const std::string& text) {
    int index = FStore.Count();
    if (!FList && FSorted) {
        while (index > 0 && CompareStrings(FStore[index - 1], text) > 0) --index;
        FStore.Insert(index, text);
    } else if (!FList) {
        FStore.Add(text);
    } else {
        index = static_cast<int>(SendMessage(FList, FMessages.AddString, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    return index;
}

void TItemStrings::Insert(int index, const std::string& text) {
    if (index < 0 || index > Count()) IndexError(index);
    if (FList) SendMessage(FList, FMessages.InsertString, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
    else FStore.Insert(index, text);
}

void TItemStrings::Delete(int index) {
    CheckIndex(index);
    if (FList) SendMessage(FList, FMessages.DeleteString, static_cast<WPARAM>(index), 0);
    else FStore.Delete(index);
}

void TItemStrings::Clear() {
    if (FList) SendMessage(FList, FMessages.ResetContent, 0, 0);
    else FStore.Clear();
}

void TItemStrings::SetUpdateState(bool updating) {
    if (!FList) return;
    SendMessage(FList, WM_SETREDRAW, updating ? FALSE : TRUE, 0);
    if (!updating) InvalidateRect(FList, nullptr, TRUE);
}
