// A memo's Lines: the strings of the memo's text, one per line, read and written through it.
#pragma once

#include "framework/TStrings.h"

#include <vector>

class TWinControl;

// Lines are the text split at line breaks, a final break starting no further line; every change
// writes the whole text back, lines joined by "\r\n" with one after the last, as the memo keeps
// its text. While updating, the memo does not redraw.
class TMemoStrings : public TStrings {
public:
    explicit TMemoStrings(TWinControl* memo) : FMemo(memo) {}
    std::string ClassName() const override { return "TMemoStrings"; }

    int Count() const override;
    void Insert(int index, const std::string& text) override;
    void Delete(int index) override;
    void Clear() override;
    // The memo's text as given (no line break added).
    void SetText(std::string_view text) override;

protected:
    std::string Get(int index) const override;
    void Put(int index, const std::string& text) override;
    void SetUpdateState(bool updating) override;

private:
    std::vector<std::string> Lines() const;
    void Store(const std::vector<std::string>& lines);

    TWinControl* FMemo;
};
