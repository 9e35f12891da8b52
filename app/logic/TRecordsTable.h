// The ten-place records table in section "rec": reading places, judging a win, storing the
// winner and the lines of the records window. The windows call it; it shows nothing itself.
#pragma once

#include "app/logic/TKeyValueStore.h"

#include <string>
#include <string_view>
#include <vector>

// A hand-edited file can hold a time that is no whole number of seconds ("12a", "1#2" after a
// name with "#") or a negative one. Such a place is still listed, and any win replaces it: a
// record that cannot be read never hides the table nor keeps a win out of it.
struct TRecordPlace {
    std::string Name;
    std::string TimeText;
    int Best = 0;          // seconds; 0 = the place is empty and any time beats it
    bool Readable = true;  // the time text is a whole number; Best is 0 when it is not
};

// What a win outside training mode means for the table.
struct TWinCheck {
    int Place = 0;
    TRecordPlace Previous;
    bool IsRecord = false;
    std::string Prompt; // the name question, when IsRecord
};

class TRecordsTable {
public:
    static constexpr const char* Section = "rec";
    static constexpr const char* EmptyRecord = "--------------------#0";
    static constexpr const char* NotBetterText = "Вы победили!!!!!!!!!"; // a win without a record
    static constexpr const char* NameCaption = "Вы победили!!!!!!!";    // the name question's caption

    explicit TRecordsTable(TKeyValueStore& store) : FStore(store) {}

    // Place 1 belongs to difficulty 10, place 10 to difficulty 1.
    static int PlaceOf(int difficulty) { return 11 - difficulty; }

    // A missing key reads as the empty record.
    TRecordPlace ReadPlace(int place) const;
    // Reads the place of the difficulty; a record needs a strictly better time than a stored one,
    // and any time beats an empty place, a time that cannot be read and a negative one.
    TWinCheck CheckWin(int difficulty, int seconds) const;
    // Stores the answer to the name question, trimmed, with the time; an empty name stores
    // nothing. Returns whether something was stored.
    bool StoreWinner(int place, std::string_view answer, int seconds);

    // "%2d. %-20s %8s" of place, name and time; name and time padded (never cut) by characters.
    static std::string FormatLine(int place, const TRecordPlace& record);
    // The records window's lines, place 1 first.
    void AppendLines(std::vector<std::string>& lines) const;

private:
    static bool Beats(int seconds, const TRecordPlace& stored);
    // The clock's form of the time, or the stored text as it stands when it is not a number.
    static std::string ShownTime(const TRecordPlace& record);
    static std::string Prompt(const TRecordPlace& previous, int seconds);
    static std::string StorableName(std::string_view answer, int seconds);

    TKeyValueStore& FStore;
};
