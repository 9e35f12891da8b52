// String lists: sorting and duplicates, text forms, name=value lines, index errors, change events.
#include "framework/Exception.h"
#include "framework/TStringList.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace {

std::vector<std::string> Items(const TStrings& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.Count(); ++i) out.push_back(list[i]);
    return out;
}

void Fill(TStrings& list, std::initializer_list<const char*> items) {
    for (const char* item : items) list.Add(item);
}

std::string ListErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const EListError& e) {
        return e.what();
    }
    return "no error";
}

using TItems = std::vector<std::string>;

} // namespace

TEST(TStringListTest, SortedListKeepsAlphabeticalOrderWithCyrillic) {
    TStringList list;
    list.SetSorted(true);
    Fill(list, {"жук", "ёж", "Desert (internal)", "ель", "Арбуз", "apple"});
    EXPECT_EQ(Items(list), (TItems{"apple", "Desert (internal)", "Арбуз", "ель", "ёж", "жук"}));
    EXPECT_EQ(list.IndexOf("ЁЖ"), 4) << "found ignoring case";
    EXPECT_EQ(list.IndexOf("нет"), -1);
    int index = -1;
    EXPECT_FALSE(list.Find("дом", index));
    EXPECT_EQ(index, 3) << "where it would go";
}

TEST(TStringListTest, DuplicatesRuleDecidesWhatAddingAnEqualStringDoes) {
    TStringList ignore;
    ignore.SetSorted(true);
    Fill(ignore, {"b", "a"});
    EXPECT_EQ(ignore.Add("B"), 1) << "the index of the string already there";
    EXPECT_EQ(Items(ignore), (TItems{"a", "b"}));

    TStringList error;
    error.SetSorted(true);
    error.SetDuplicates(dupError);
    Fill(error, {"b", "a"});
    EXPECT_EQ(ListErrorOf([&] { error.Add("A"); }), "String list does not allow duplicates");
    EXPECT_EQ(Items(error), (TItems{"a", "b"}));

    TStringList accept;
    accept.SetSorted(true);
    accept.SetDuplicates(dupAccept);
    Fill(accept, {"b", "a", "B", "a"});
    EXPECT_EQ(accept.Count(), 4);
    EXPECT_EQ(accept[0], "a");
    EXPECT_EQ(accept[1], "a");

    TStringList unsorted; // duplicates are only judged in a sorted list
    unsorted.SetDuplicates(dupError);
    Fill(unsorted, {"x", "x"});
    EXPECT_EQ(unsorted.Count(), 2);
}

TEST(TStringListTest, SortingKeepsObjectsWithTheirStringsAndCaseSensitivityReorders) {
    TStringList list;
    TStringList tagA, tagB, tagC;
    list.AddObject("b", &tagB);
    list.AddObject("A", &tagA);
    list.AddObject("a", &tagC);
    list.SetSorted(true);
    EXPECT_EQ(Items(list), (TItems{"A", "a", "b"})) << "equal strings keep their order";
    EXPECT_EQ(list.Objects(0), &tagA);
    EXPECT_EQ(list.Objects(2), &tagB);
    list.SetCaseSensitive(true);
    EXPECT_EQ(Items(list), (TItems{"a", "A", "b"}));
    EXPECT_EQ(list.Objects(0), &tagC);
    EXPECT_EQ(list.IndexOfObject(&tagB), 2);
}

TEST(TStringListTest, BadIndexesAndOrderBreakingCallsAreListErrors) {
    TStringList list;
    Fill(list, {"a", "b", "c"});
    EXPECT_EQ(ListErrorOf([&] { list.Strings(3); }), "List index out of bounds (3)");
    EXPECT_EQ(ListErrorOf([&] { list.Delete(-1); }), "List index out of bounds (-1)");
    EXPECT_EQ(ListErrorOf([&] { list.Insert(4, "x"); }), "List index out of bounds (4)");
    EXPECT_EQ(ListErrorOf([&] { list.SetObjects(5, nullptr); }), "List index out of bounds (5)");
    EXPECT_EQ(ListErrorOf([&] { list.Move(0, 3); }), "List index out of bounds (3)");
    EXPECT_EQ(Items(list), (TItems{"a", "b", "c"})) << "a failed call changes nothing";
    list.Insert(3, "d");
    list.Move(3, 0);
    list.Move(1, 2);
    EXPECT_EQ(Items(list), (TItems{"d", "b", "a", "c"}));
    list.Exchange(1, 2);
    EXPECT_EQ(Items(list), (TItems{"d", "a", "b", "c"}));

    list.SetSorted(true);
    EXPECT_EQ(ListErrorOf([&] { list.Insert(0, "z"); }), "Operation not allowed on sorted list");
    EXPECT_EQ(ListErrorOf([&] { list.SetStrings(0, "z"); }), "Operation not allowed on sorted list");
    EXPECT_EQ(ListErrorOf([&] { list.Exchange(0, 1); }), "Operation not allowed on sorted list");
    EXPECT_EQ(ListErrorOf([&] { list.Move(0, 2); }), "Operation not allowed on sorted list");
    EXPECT_EQ(Items(list), (TItems{"a", "b", "c", "d"})) << "a refused move keeps every string";
}

TEST(TStringListTest, TextSplitsAtEveryKindOfLineBreakAndRoundTrips) {
    TStringList list;
    list.SetText("one\r\ntwo\n\nfour\rfive\r\n");
    EXPECT_EQ(Items(list), (TItems{"one", "two", "", "four", "five"}));
    EXPECT_EQ(list.Text(), "one\r\ntwo\r\n\r\nfour\r\nfive\r\n");
    TStringList copy;
    copy.SetText(list.Text());
    EXPECT_TRUE(copy.Equals(list));

    list.SetText("last line without break");
    EXPECT_EQ(list.Count(), 1);
    list.SetText("\n\n");
    EXPECT_EQ(Items(list), (TItems{"", ""}));
    list.SetText("");
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Text(), "");
    list.SetLineBreak("\n");
    Fill(list, {"a", "б"});
    EXPECT_EQ(list.Text(), "a\nб\n");
}

TEST(TStringListTest, CommaTextQuotesWhatNeedsItAndReadsItBack) {
    TStringList list;
    Fill(list, {"two words", "", "say \"hi\"", "a,b", "plain", "Пустыня"});
    EXPECT_EQ(list.CommaText(), "\"two words\",,\"say \"\"hi\"\"\",\"a,b\",plain,Пустыня");
    TStringList back;
    back.SetCommaText(list.CommaText());
    EXPECT_EQ(Items(back), Items(list));

    back.SetCommaText("  a b ,c,");
    EXPECT_EQ(Items(back), (TItems{"a", "b", "c", ""})) << "blanks separate too; a final comma adds an empty item";
    back.SetCommaText("\"unclosed, quote");
    EXPECT_EQ(Items(back), (TItems{"unclosed, quote"}));

    TStringList single;
    single.Add("");
    EXPECT_EQ(single.CommaText(), "\"\"");

    TStringList strict;
    strict.SetDelimiter(';');
    strict.SetStrictDelimiter(true);
    strict.SetDelimitedText("a b;c");
    EXPECT_EQ(Items(strict), (TItems{"a b", "c"}));
    EXPECT_EQ(strict.DelimitedText(), "a b;c");
}

TEST(TStringListTest, NameValueLinesAreFoundIgnoringCaseAndEmptyValuesDeleteThem) {
    TStringList list;
    Fill(list, {"skinname=Desert", "hueoffset=10", "no separator", "url=a=b"});
    EXPECT_EQ(list.Values("SKINNAME"), "Desert");
    EXPECT_EQ(list.Values("url"), "a=b");
    EXPECT_EQ(list.Values("missing"), "");
    EXPECT_EQ(list.Names(1), "hueoffset");
    EXPECT_EQ(list.Names(2), "");
    EXPECT_EQ(list.ValueFromIndex(3), "a=b");
    EXPECT_EQ(list.IndexOfName("no separator"), -1);

    list.SetValues("hueoffset", "20");
    list.SetValues("saturation", "5");
    list.SetValues("skinname", "");
    EXPECT_EQ(Items(list), (TItems{"hueoffset=20", "no separator", "url=a=b", "saturation=5"}));
}

TEST(TStringListTest, ChangeEventsComeOncePerChangeOrOncePerUpdate) {
    TStringList list;
    int changing = 0, changed = 0;
    list.OnChanging = [&](TObject* sender) {
        EXPECT_EQ(sender, &list);
        ++changing;
    };
    list.OnChange = [&](TObject*) { ++changed; };
    list.Add("a");
    list.SetStrings(0, "b");
    list.Delete(0);
    EXPECT_EQ(changing, 3);
    EXPECT_EQ(changed, 3);
    list.Clear(); // already empty: nothing changes
    EXPECT_EQ(changed, 3);

    list.BeginUpdate();
    list.BeginUpdate();
    Fill(list, {"x", "y", "z"});
    list.EndUpdate();
    EXPECT_EQ(changed, 3) << "still inside the outer update";
    list.EndUpdate();
    EXPECT_EQ(changing, 4);
    EXPECT_EQ(changed, 4);

    list.SetText("1\n2\n3");
    list.SetCommaText("a,b");
    EXPECT_EQ(changed, 6) << "a whole-text change is one change";
}

TEST(TStringListTest, AssignCopiesStringsObjectsAndRules) {
    TStringList source;
    TStringList tag;
    source.SetSorted(true);
    source.SetDuplicates(dupError);
    source.AddObject("b", &tag);
    source.Add("a");
    TStringList copy;
    Fill(copy, {"old", "lines"});
    copy.Assign(&source);
    EXPECT_EQ(Items(copy), (TItems{"a", "b"}));
    EXPECT_EQ(copy.Objects(1), &tag);
    EXPECT_TRUE(copy.Sorted());
    EXPECT_EQ(copy.Duplicates(), dupError);
    copy.Add("aa");
    EXPECT_EQ(copy[1], "aa") << "the copy sorts as the source did";
    copy.Assign(&copy);
    EXPECT_EQ(copy.Count(), 3) << "assigning a list to itself keeps it";
    TStringList twice;
    Fill(twice, {"x", "y"});
    twice.AddStrings(twice);
    EXPECT_EQ(Items(twice), (TItems{"x", "y", "x", "y"}));
}
