// A list of strings with attached objects: the interface that memo lines, combo items and plain
// string lists share, with text, comma text and name=value helpers built on a few primitives.
#pragma once

#include "framework/TPersistent.h"

#include <string>
#include <string_view>

// Subclasses store the strings (TStringList in memory, a control's window for its lines) and
// implement Count, Get, Insert, Delete and Clear; everything else is built on them. Index errors
// throw EListError "List index out of bounds (%d)".
class TStrings : public TPersistent {
public:
    std::string ClassName() const override { return "TStrings"; }

    virtual int Count() const = 0;
    std::string Strings(int index) const { return Get(index); }
    void SetStrings(int index, const std::string& text) { Put(index, text); }
    std::string operator[](int index) const { return Get(index); }
    TObject* Objects(int index) const { return GetObject(index); }
    void SetObjects(int index, TObject* object) { PutObject(index, object); }

    // Adds at the end (or, in a sorted list, at its place) and returns the index.
    virtual int Add(const std::string& text);
    int AddObject(const std::string& text, TObject* object);
    void AddStrings(const TStrings& strings);
    virtual void Insert(int index, const std::string& text) = 0;
    void InsertObject(int index, const std::string& text, TObject* object);
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    virtual void Exchange(int index1, int index2);
    void Move(int currentIndex, int newIndex);

    // Lookups compare as CompareStrings does (ignoring case unless a list says otherwise); -1
    // when nothing matches.
    virtual int IndexOf(const std::string& text) const;
    int IndexOfObject(const TObject* object) const;

    // "name=value" lines. Names(i) is "" for a line without a separator. Setting a value to ""
    // deletes its line; setting a new name adds one.
    int IndexOfName(const std::string& name) const;
    std::string Names(int index) const;
    std::string ValueFromIndex(int index) const;
    std::string Values(const std::string& name) const;
    void SetValues(const std::string& name, const std::string& value);
    char NameValueSeparator() const { return FNameValueSeparator; }
    void SetNameValueSeparator(char separator) { FNameValueSeparator = separator; }

    // Every line followed by LineBreak. Setting splits at "\r\n", "\n" or "\r"; a final line
    // break does not start another line.
    std::string Text() const;
    virtual void SetText(std::string_view text);
    const std::string& LineBreak() const { return FLineBreak; }
    void SetLineBreak(std::string lineBreak) { FLineBreak = std::move(lineBreak); }

    // Items joined by Delimiter; an item holding a blank, a delimiter or a quote is quoted (quotes
    // inside doubled). Reading splits at delimiters and, unless StrictDelimiter, at blanks.
    std::string DelimitedText() const;
    void SetDelimitedText(std::string_view text);
    std::string CommaText() const;
    void SetCommaText(std::string_view text);
    char Delimiter() const { return FDelimiter; }
    void SetDelimiter(char delimiter) { FDelimiter = delimiter; }
    char QuoteChar() const { return FQuoteChar; }
    void SetQuoteChar(char quote) { FQuoteChar = quote; }
    bool StrictDelimiter() const { return FStrictDelimiter; }
    void SetStrictDelimiter(bool strict) { FStrictDelimiter = strict; }

    // Changes between BeginUpdate and the matching EndUpdate are announced once, at the end.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    // Same strings in the same order (objects are not compared).
    bool Equals(const TStrings& other) const;
    void Assign(const TPersistent* source) override;

protected:
    virtual std::string Get(int index) const = 0;
    // Replaces a string; the default deletes and inserts again, keeping the object.
    virtual void Put(int index, const std::string& text);
    virtual TObject* GetObject(int index) const;
    virtual void PutObject(int index, TObject* object);
    // Called when the first BeginUpdate starts (true) and the last EndUpdate ends (false).
    virtual void SetUpdateState(bool updating);
    virtual int CompareStrings(const std::string& a, const std::string& b) const;
    [[noreturn]] static void IndexError(int index);

private:
    std::string JoinDelimited(char delimiter, char quote, bool strict) const;
    void SplitDelimited(std::string_view text, char delimiter, char quote, bool strict);

    std::string FLineBreak = "\r\n";
    char FNameValueSeparator = '=';
    char FDelimiter = ',';
    char FQuoteChar = '"';
    bool FStrictDelimiter = false;
    int FUpdateCount = 0;
};

// Holds a list in its update state for a scope, so an exception cannot leave it there.
class TStringsUpdate {
public:
    explicit TStringsUpdate(TStrings& strings) : FStrings(strings) { FStrings.BeginUpdate(); }
    ~TStringsUpdate() { FStrings.EndUpdate(); }
    TStringsUpdate(const TStringsUpdate&) = delete;
    TStringsUpdate& operator=(const TStringsUpdate&) = delete;

private:
    TStrings& FStrings;
};
