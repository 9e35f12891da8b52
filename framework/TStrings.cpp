// The string-list operations built on the storage primitives: lookups, text forms, name=value.
#include "framework/TStrings.h"

#include "framework/Consts.h"
#include "framework/Exception.h"
#include "framework/Format.h"
#include "framework/SysUtils.h"

namespace {

bool IsBlank(char c) {
    return c != 0 && static_cast<unsigned char>(c) <= ' ';
}

// Reads a quoted item starting at the opening quote; a doubled quote stands for one. Stops after
// the closing quote, or at the end of the text when there is none.
std::string ExtractQuoted(std::string_view text, std::size_t& pos, char quote) {
    std::string out;
    ++pos;
    while (pos < text.size()) {
        if (text[pos] == quote) {
            if (pos + 1 < text.size() && text[pos + 1] == quote) {
                out += quote;
                pos += 2;
                continue;
            }
            ++pos;
            break;
        }
        out += text[pos++];
    }
    return out;
}

} // namespace

void TStrings::IndexError(int index) {
    throw EListError(Format(SListIndexError, {index}));
}

int TStrings::Add(const std::string& text) {
    const int index = Count();
    Insert(index, text);
    return index;
}

int TStrings::AddObject(const std::string& text, TObject* object) {
    const int index = Add(text);
    PutObject(index, object);
    return index;
}

void TStrings::AddStrings(const TStrings& strings) {
    TStringsUpdate update(*this);
    const int count = strings.Count(); // the source may be this very list
    for (int i = 0; i < count; ++i) AddObject(strings.Get(i), strings.GetObject(i));
}

void TStrings::InsertObject(int index, const std::string& text, TObject* object) {
    Insert(index, text);
    PutObject(index, object);
}

void TStrings::Put(int index, const std::string& text) {
    TObject* object = GetObject(index);
    Delete(index);
    InsertObject(index, text, object);
}

TObject* TStrings::GetObject(int) const {
    return nullptr;
}

void TStrings::PutObject(int, TObject*) {}

void TStrings::SetUpdateState(bool) {}

int TStrings::CompareStrings(const std::string& a, const std::string& b) const {
    return AnsiCompareText(a, b);
}

void TStrings::Exchange(int index1, int index2) {
    TStringsUpdate update(*this);
    const std::string text1 = Get(index1);
    TObject* object1 = GetObject(index1);
    Put(index1, Get(index2));
    PutObject(index1, GetObject(index2));
    Put(index2, text1);
    PutObject(index2, object1);
}

// The copy goes in before the original comes out, so a list that refuses the insertion (a sorted
// one) loses nothing.
void TStrings::Move(int currentIndex, int newIndex) {
    if (currentIndex == newIndex) return;
    TStringsUpdate update(*this);
    const std::string text = Get(currentIndex);
    TObject* object = GetObject(currentIndex);
    if (newIndex < 0 || newIndex >= Count()) IndexError(newIndex);
    if (newIndex > currentIndex) {
        InsertObject(newIndex + 1, text, object);
        Delete(currentIndex);
    } else {
        InsertObject(newIndex, text, object);
        Delete(currentIndex + 1);
    }
}

int TStrings::IndexOf(const std::string& text) const {
    for (int i = 0; i < Count(); ++i)
        if (CompareStrings(Get(i), text) == 0) return i;
    return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
    for (int i = 0; i < Count(); ++i)
        if (GetObject(i) == object) return i;
    return -1;
}

std::string TStrings::Names(int index) const {
    const std::string line = Get(index);
    const std::size_t separator = line.find(FNameValueSeparator);
    return separator == std::string::npos ? std::string() : line.substr(0, separator);
}

std::string TStrings::ValueFromIndex(int index) const {
    const std::string line = Get(index);
    const std::size_t separator = line.find(FNameValueSeparator);
    return separator == std::string::npos ? std::string() : line.substr(separator + 1);
}

int TStrings::IndexOfName(const std::string& name) const {
    for (int i = 0; i < Count(); ++i) {
        const std::string line = Get(i);
        const std::size_t separator = line.find(FNameValueSeparator);
        if (separator != std::string::npos && CompareStrings(line.substr(0, separator), name) == 0) return i;
    }
    return -1;
}

std::string TStrings::Values(const std::string& name) const {
    const int index = IndexOfName(name);
    return index < 0 ? std::string() : ValueFromIndex(index);
}

void TStrings::SetValues(const std::string& name, const std::string& value) {
    const int index = IndexOfName(name);
    if (value.empty()) {
        if (index >= 0) Delete(index);
        return;
    }
    const std::string line = name + FNameValueSeparator + value;
    if (index < 0)
        Add(line);
    else
        Put(index, line);
}

std::string TStrings::Text() const {
    std::string out;
    for (int i = 0; i < Count(); ++i) out += Get(i) + FLineBreak;
    return out;
}

void TStrings::SetText(std::string_view text) {
    TStringsUpdate update(*this);
    Clear();
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
        Add(std::string(text.substr(start, end - start)));
        if (end < text.size() && text[end++] == '\r' && end < text.size() && text[end] == '\n') ++end;
        start = end;
    }
}

std::string TStrings::JoinDelimited(char delimiter, char quote, bool strict) const {
    if (Count() == 1 && Get(0).empty()) return std::string(2, quote);
    std::string out;
    for (int i = 0; i < Count(); ++i) {
        const std::string item = Get(i);
        bool quoted = false;
        for (char c : item) {
            if (c == 0) break;
            if (c == quote || c == delimiter || (!strict && IsBlank(c))) {
                quoted = true;
                break;
            }
        }
        if (i > 0) out += delimiter;
        out += quoted ? AnsiQuotedStr(item, quote) : item;
    }
    return out;
}

void TStrings::SplitDelimited(std::string_view text, char delimiter, char quote, bool strict) {
    TStringsUpdate update(*this);
    Clear();
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    while (pos < text.size()) {
        if (text[pos] == quote) {
            Add(ExtractQuoted(text, pos, quote));
        } else {
            const std::size_t start = pos;
            while (pos < text.size() && text[pos] != delimiter && (strict || !IsBlank(text[pos]))) ++pos;
            Add(std::string(text.substr(start, pos - start)));
        }
        if (!strict)
            while (pos < text.size() && IsBlank(text[pos])) ++pos;
        if (pos < text.size() && text[pos] == delimiter) {
            if (pos + 1 == text.size()) Add(""); // a trailing delimiter ends with an empty item
            do
                ++pos;
            while (!strict && pos < text.size() && IsBlank(text[pos]));
        }
    }
}

std::string TStrings::DelimitedText() const {
    return JoinDelimited(FDelimiter, FQuoteChar, FStrictDelimiter);
}

void TStrings::SetDelimitedText(std::string_view text) {
    SplitDelimited(text, FDelimiter, FQuoteChar, FStrictDelimiter);
}

std::string TStrings::CommaText() const {
    return JoinDelimited(',', '"', false);
}

void TStrings::SetCommaText(std::string_view text) {
    SplitDelimited(text, ',', '"', false);
}

void TStrings::BeginUpdate() {
    if (FUpdateCount++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0) SetUpdateState(false);
}

bool TStrings::Equals(const TStrings& other) const {
    if (Count() != other.Count()) return false;
    for (int i = 0; i < Count(); ++i)
        if (Get(i) != other.Get(i)) return false;
    return true;
}

void TStrings::Assign(const TPersistent* source) {
    const auto* strings = dynamic_cast<const TStrings*>(source);
    if (!strings) {
        TPersistent::Assign(source);
        return;
    }
    if (strings == this) return;
    TStringsUpdate update(*this);
    Clear();
    FNameValueSeparator = strings->FNameValueSeparator;
    FQuoteChar = strings->FQuoteChar;
    FDelimiter = strings->FDelimiter;
    FStrictDelimiter = strings->FStrictDelimiter;
    FLineBreak = strings->FLineBreak;
    AddStrings(*strings);
}
