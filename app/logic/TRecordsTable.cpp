// Records kept scrambled per place: read, compared, stored and listed.
#include "app/logic/TRecordsTable.h"

#include "app/logic/FormatGameTime.h"
#include "app/logic/ScrambleText.h"
#include "app/logic/SplitRecord.h"
#include "app/logic/TrimText.h"
#include "platform/system/CodePage.h"
#include "platform/system/IntegerText.h"

#include <cstdio>
#include <stdexcept>

namespace {

// The settings file returns at most this many characters of a value.
constexpr std::size_t MaxStoredLength = 2047;

void CheckPlace(int place) {
    if (place < 1 || place > 10) throw std::out_of_range("Range check error");
}

std::uint8_t KeyOf(int place) {
    return static_cast<std::uint8_t>(place);
}

} // namespace

TRecordPlace TRecordsTable::ReadPlace(int place) const {
    CheckPlace(place);
    const std::string key = std::to_string(place);
    const std::string raw = FStore.ReadString(Section, key, ScrambleText(EmptyRecord, KeyOf(place)));
    TRecordParts parts = SplitRecord(ScrambleText(raw, KeyOf(place)));
    const std::optional<std::int32_t> best = ParseInteger(parts.TimeText);
    return {std::move(parts.Name), std::move(parts.TimeText), best.value_or(0), best.has_value()};
}

TWinCheck TRecordsTable::CheckWin(int difficulty, int seconds) const {
    TWinCheck check;
    check.Place = PlaceOf(difficulty);
    check.Previous = ReadPlace(check.Place);
    check.IsRecord = Beats(seconds, check.Previous);
    if (check.IsRecord) check.Prompt = Prompt(check.Previous, seconds);
    return check;
}

// An equal time is not better; a stored 0 is an empty place. Unreadable and negative times rank
// after every real one, or a broken line would keep its place for ever.
bool TRecordsTable::Beats(int seconds, const TRecordPlace& stored) {
    return !stored.Readable || stored.Best <= 0 || stored.Best > seconds;
}

std::string TRecordsTable::ShownTime(const TRecordPlace& record) {
    return record.Readable ? FormatGameTime(record.Best) : record.TimeText;
}

std::string TRecordsTable::Prompt(const TRecordPlace& previous, int seconds) {
    return "Вы показали результат " + FormatGameTime(seconds) + " (" + std::to_string(seconds) +
           " сек.)\r\nЭто лучше предыдущего " + ShownTime(previous) + " (" + previous.TimeText +
           " сек.) который показал(а) " + previous.Name + ".\r\nВведите свое имя:";
}

// The name as it can be stored and read back: a "#" would split the record at the wrong place
// and a control character could not be stored, so they become "_" and a space; the whole value
// must fit the characters the settings file returns.
std::string TRecordsTable::StorableName(std::string_view answer, int seconds) {
    std::string name(TrimText(answer));
    for (char& c : name) {
        if (c == '#') c = '_';
        else if (static_cast<unsigned char>(c) < ' ') c = ' ';
    }
    const std::size_t room = MaxStoredLength - 1 - std::to_string(seconds).size();
    return std::string(TrimText(LeadingChars(name, room)));
}

bool TRecordsTable::StoreWinner(int place, std::string_view answer, int seconds) {
    CheckPlace(place);
    const std::string name = StorableName(answer, seconds);
    if (name.empty()) return false;
    FStore.WriteString(Section, std::to_string(place), ScrambleText(name + "#" + std::to_string(seconds), KeyOf(place)));
    return true;
}

std::string TRecordsTable::FormatLine(int place, const TRecordPlace& record) {
    char number[16];
    std::snprintf(number, sizeof number, "%2d. ", place);
    const std::size_t nameLength = CharCount(record.Name);
    const std::string time = ShownTime(record);
    const std::size_t timeLength = CharCount(time);
    return number + record.Name + std::string(nameLength < 20 ? 20 - nameLength : 0, ' ') + " " +
           std::string(timeLength < 8 ? 8 - timeLength : 0, ' ') + time;
}

void TRecordsTable::AppendLines(std::vector<std::string>& lines) const {
    for (int place = 1; place <= 10; ++place) lines.push_back(FormatLine(place, ReadPlace(place)));
}
