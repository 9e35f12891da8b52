// The game end to end, as a player at the headless screen: reads the board from the automation
// dump, answers every hidden cell through the chooser, wins, gives a name, restarts the program
// and finds the name in the records window ("win"); or answers a cell wrong and takes the offered
// new game ("lose"). Screenshots go to the output folder. Exits non-zero naming what went wrong.
#include "app/GameProgram.h"
#include "platform/automation/DumpWriter.h"
#include "platform/backend/headless/HeadlessDriver.h"
#include "platform/controls/MenuApi.h"
#include "platform/gfx/ImageFiles.h"
#include "platform/system/RandomGenerator.h"
#include "platform/window/Win.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct TFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void Check(bool ok, const std::string& what) {
    if (!ok) throw TFailure(what);
}

std::string Text(const TDumpRecord& r, const std::string& key) {
    const TDumpValue* v = r.Get(key);
    return v ? TDumpRecord::ToText(*v) : std::string();
}

long long Number(const TDumpRecord& r, const std::string& key) {
    const std::string t = Text(r, key);
    return t.empty() ? -1 : std::stoll(t);
}

TPoint Centre(const TDumpRecord& r) {
    return {static_cast<int>(Number(r, "left") + Number(r, "width") / 2), static_cast<int>(Number(r, "top") + Number(r, "height") / 2)};
}

struct TCell {
    int Index = 0;
    int Value = 0;
    bool Opened = false;
    TPoint At;
};

// One run of the program on its own UI thread, in the current folder.
class TPlayer {
public:
    explicit TPlayer(std::uint64_t seed) {
        RandSeed(seed);
        FDriver = std::make_unique<HeadlessDriver>([] { return RunGame(); });
        FDriver->WaitIdle();
    }
    ~TPlayer() { FDriver->Shutdown(); }

    std::vector<TDumpRecord> Dump() {
        std::vector<TDumpRecord> records;
        Check(FDriver->RunOnUi([&] { records = DumpWriter::Collect(); }), "the program has ended");
        return records;
    }
    std::optional<TDumpRecord> Find(const std::string& key, const std::string& value) {
        for (TDumpRecord& r : Dump())
            if (Text(r, key) == value) return r;
        return std::nullopt;
    }
    TDumpRecord Need(const std::string& key, const std::string& value) {
        std::optional<TDumpRecord> r = Find(key, value);
        Check(r.has_value(), "nothing in the dump has " + key + " = " + value);
        return *r;
    }
    std::vector<TCell> Cells() {
        std::vector<TCell> cells;
        for (const TDumpRecord& r : Dump())
            if (Text(r, "framework_class") == "TMyButton")
                cells.push_back({static_cast<int>(Number(r, "CellIndex")), static_cast<int>(Number(r, "Value")), Text(r, "Opened") == "true", Centre(r)});
        Check(cells.size() == 81, "the board has " + std::to_string(cells.size()) + " cells");
        return cells;
    }
    // The active window's record.
    TDumpRecord Active() {
        for (TDumpRecord& r : Dump())
            if (Text(r, "active") == "true") return r;
        throw TFailure("no window is active");
    }
    bool ActiveHasText(const std::string& text) {
        const std::string handle = Text(Active(), "handle");
        for (const TDumpRecord& r : Dump())
            if (Text(r, "text") == text && (Text(r, "parent") == handle || Text(r, "handle") == handle)) return true;
        // Window-less labels carry no parent handle; any visible record with the text will do.
        for (const TDumpRecord& r : Dump())
            if (Text(r, "text") == text && Text(r, "visible") == "true" && r.Window == nullptr) return true;
        return false;
    }
    void Click(TPoint at, TMouseButton button = TMouseButton::mbLeft) {
        FDriver->Advance(600); // never a double click
        FDriver->Click(at.X, at.Y, button);
    }
    // A button of the chooser, a window whose text is the digit (a digit button) or a window-less
    // one (a mark button), both children of the chooser's pages.
    void ClickChooserDigit(int digit) { Click(Centre(Need("framework_class", "TsButton", std::to_string(digit)))); }
    void ClickChooserMark(int digit) { Click(Centre(Need("framework_class", "TsSpeedButton", std::to_string(digit)))); }
    TDumpRecord Need(const std::string& key, const std::string& value, const std::string& text) {
        for (TDumpRecord& r : Dump())
            if (Text(r, key) == value && Text(r, "text") == text && Text(r, "visible") == "true") return r;
        throw TFailure("no visible " + value + " showing '" + text + "'");
    }
    void Menu(int position) {
        TRect item;
        FDriver->RunOnUi([&] {
            HWND main = nullptr;
            EnumWindows([&](HWND h) {
                if (GetWindowText(h) == "Tavik Sudoku 1.0") main = h;
                return !main;
            });
            GetMenuItemRect(main, GetMenu(main), static_cast<UINT>(position), &item);
        });
        Click({(item.Left + item.Right) / 2, (item.Top + item.Bottom) / 2});
    }
    void Key(UINT vk) { FDriver->PressKey(vk); }
    void Type(const std::string& text) { FDriver->Type(text); }
    void Shot(const std::string& path) {
        std::string error;
        Check(WritePngFile(path, FDriver->Screenshot(), &error), "cannot write " + path + ": " + error);
    }
    UiDriver& Driver() { return *FDriver; }

private:
    std::unique_ptr<UiDriver> FDriver;
};

// Answers every hidden cell right; before the last one, puts marks on it and shows the marks
// page of the chooser for the screenshot.
void PlayToTheLastCell(TPlayer& player, const std::string& out) {
    std::vector<TCell> hidden;
    for (const TCell& c : player.Cells())
        if (!c.Opened) hidden.push_back(c);
    Check(hidden.size() == 34, "34 hidden cells at difficulty 5, not " + std::to_string(hidden.size()));
    for (std::size_t i = 0; i + 1 < hidden.size(); ++i) {
        if (i == hidden.size() / 2) {
            // Marks on two cells, and the chooser left open on a third for the picture.
            for (std::size_t k = i; k < i + 2; ++k) {
                player.Click(hidden[k].At, TMouseButton::mbRight);
                for (int d : {1, 5, 9, static_cast<int>(2 + k % 3)}) player.ClickChooserMark(d);
                player.Key(VK_ESCAPE);
            }
            player.Click(hidden[i + 2].At, TMouseButton::mbRight);
            player.ClickChooserMark(3);
            player.ClickChooserMark(7);
            player.Shot(out + "/game-marks-and-chooser.png");
            player.Key(VK_ESCAPE);
        }
        player.Click(hidden[i].At);
        player.ClickChooserDigit(hidden[i].Value);
    }
    const TCell last = hidden.back();
    player.Click(last.At);
    player.ClickChooserDigit(last.Value);
}

void Win(const std::string& out) {
    const std::string name = "Тавик Победитель";
    {
        TPlayer player(4242);
        player.Shot(out + "/game-first-start.png");
        PlayToTheLastCell(player, out);
        Check(player.Need("component", "Form1").Get("Seconds") != nullptr, "the main window has no Seconds");
        const std::string caption = Text(player.Active(), "text");
        Check(caption == "Вы победили!!!!!!!", "the win asks no name (active: '" + caption + "')");
        player.Type("  " + name + "  ");
        player.Key(VK_RETURN);
        Check(Text(player.Active(), "text") == "Таблица рекордов", "the records window is not shown after the name");
        const std::string table = Text(player.Need("component", "RecordsM"), "text");
        Check(table.find(" 6. " + name) != std::string::npos, "the table lacks the new record:\n" + table);
        player.Shot(out + "/game-records.png");
        player.Click(Centre(player.Need("component", "OkB")));
        Check(player.ActiveHasText("Начать новую игру?"), "no new-game question after the win");
        player.Key(VK_RETURN);
        Check(Number(player.Need("component", "Form1"), "Seconds") == 0, "no new game after OK");
    }
    TPlayer again(7);
    again.Menu(2);
    const std::string table = Text(again.Need("component", "RecordsM"), "text");
    Check(table.find(" 6. " + name) != std::string::npos, "the record is lost after a restart:\n" + table);
}

void Lose(const std::string& out) {
    TPlayer player(31337);
    std::vector<TCell> cells = player.Cells();
    const TCell* target = nullptr;
    for (const TCell& c : cells)
        if (!c.Opened) target = &c;
    Check(target != nullptr, "no hidden cell");
    player.Click(target->At);
    player.ClickChooserDigit(target->Value % 9 + 1);
    Check(Text(player.Active(), "text") == "Information", "no information dialog after a wrong digit");
    Check(player.ActiveHasText("Неправильно!!! Вы проиграли! Начать новую игру?"), "the dialog does not offer a new game");
    player.Shot(out + "/game-lost.png");
    player.Key(VK_RETURN);
    Check(Text(player.Active(), "text") == "Tavik Sudoku 1.0", "the dialog stays open");
    int hidden = 0, differs = 0;
    const std::vector<TCell> after = player.Cells();
    for (std::size_t i = 0; i < after.size(); ++i) {
        hidden += after[i].Opened ? 0 : 1;
        differs += after[i].Value != cells[i].Value ? 1 : 0;
    }
    Check(hidden == 34 && differs > 0, "OK did not start a new game");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 || (std::string(argv[1]) != "win" && std::string(argv[1]) != "lose")) {
        std::fprintf(stderr, "usage: game_e2e win|lose OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string out = std::filesystem::absolute(argv[2]).string();
    std::string pattern = (std::filesystem::temp_directory_path() / "tavik-e2e-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return 1;
    std::filesystem::current_path(pattern);
    int result = 0;
    try {
        if (std::string(argv[1]) == "win") Win(out);
        else Lose(out);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "game_e2e %s: %s\n", argv[1], e.what());
        result = 1;
    }
    std::filesystem::current_path(out);
    std::filesystem::remove_all(pattern);
    return result;
}
