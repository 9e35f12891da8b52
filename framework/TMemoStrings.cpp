// Memo lines over the memo's text.
#include "framework/TMemoStrings.h"

#include "framework/TWinControl.h"

#include "platform/window/Win.h"

std::vector<std::string> TMemoStrings::Lines() const {
    std::vector<std::string> lines;
    const std::string text = FMemo->Text();
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

void TMemoStrings::Store(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    FMemo->SetText(text);
}

int TMemoStrings::Count() const {
    return static_cast<int>(Lines().size());
}

std::string TMemoStrings::Get(int index) const {
    const std::vector<std::string> lines = Lines();
    if (index < 0 || index >= static_cast<int>(lines.size())) IndexError(index);
    return lines[static_cast<size_t>(index)];
}

void TMemoStrings::Put(int index, const std::string& text) {
    std::vector<std::string> lines = Lines();
    if (index < 0 || index >= static_cast<int>(lines.size())) IndexError(index);
    lines[static_cast<size_t>(index)] = text;
    Store(lines);
}

void TMemoStrings::Insert(int index, const std::string& text) {
    std::vector<std::string> lines = Lines();
    if (index < 0 || index > static_cast<int>(lines.size())) IndexError(index);
    lines.insert(lines.begin() + index, text);
    Store(lines);
}

void TMemoStrings::Delete(int index) {
    std::vector<std::string> lines = Lines();
    if (index < 0 || index >= static_cast<int>(lines.size())) IndexError(index);
    lines.erase(lines.begin() + index);
    Store(lines);
}

void TMemoStrings::Clear() {
    FMemo->SetText("");
}

void TMemoStrings::SetText(std::string_view text) {
    FMemo->SetText(std::string(text));
}

void TMemoStrings::SetUpdateState(bool updating) {
    if (!FMemo->HandleAllocated()) return;
    SendMessage(FMemo->Handle(), WM_SETREDRAW, updating ? FALSE : TRUE, 0);
    if (!updating) FMemo->Invalidate();
}
