// The whole game running on a UI thread over the headless back end, in a scratch folder that is
// the current folder (so settings.ini lands there), with a fixed puzzle seed; the test acts as
// the player and reads the windows' state on the UI thread.
#pragma once

#include "app/GameProgram.h"
#include "app/TForm1.h"
#include "app/TMyButton.h"
#include "app/TSetValueF.h"
#include "framework/TApplication.h"
#include "framework/TCustomForm.h"
#include "framework/TScreen.h"
#include "platform/backend/headless/HeadlessDriver.h"
#include "platform/system/RandomGenerator.h"
#include "platform/window/Win.h"
#include "tests/platform/system/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

class GameTest : public ::testing::Test {
protected:
    void SetUp() override {
        FHome = std::filesystem::current_path();
        std::filesystem::current_path(FFolder.Root());
    }
    void TearDown() override {
        FDriver.reset();
        std::filesystem::current_path(FHome);
    }

    // settings.ini as the program will find it (UTF-8 here, Windows-1251 on disk).
    void PutSettings(const std::string& utf8Text);
    std::string SettingsPath() const { return FFolder.Path("settings.ini"); }

    // Starts the program and waits until its main window is shown with the first game (and the
    // start skin switched on, when one is named). beforeRun runs on the UI thread once the five
    // windows exist, before the main window shows.
    void Start(std::uint64_t seed = 20240611, TSize screen = {1280, 1024}, const std::string& skin = {},
               std::function<void()> beforeRun = {}) {
        RandSeed(seed);
        FDriver = std::make_unique<HeadlessDriver>([skin, beforeRun] { return RunGame(skin, beforeRun); }, screen);
        FDriver->WaitIdle();
    }
    // Ends the program as the player would (closing the main window) and waits for it.
    void Quit() {
        Ui([] { Form1->Close(); });
        FDriver->WaitIdle();
        FDriver.reset();
    }
    HeadlessDriver& Driver() { return *FDriver; }

    // Runs fn on the UI thread and returns its result.
    template <class F>
    auto Ui(F fn) -> decltype(fn()) {
        if constexpr (std::is_void_v<decltype(fn())>) {
            EXPECT_TRUE(FDriver->RunOnUi(fn));
        } else {
            decltype(fn()) result{};
            EXPECT_TRUE(FDriver->RunOnUi([&] { result = fn(); }));
            return result;
        }
    }

    // --- the board -----------------------------------------------------------------------
    TPoint CellCentre(int index) {
        return Ui([&] {
            TMyButton* cell = Form1->Cell(index);
            return cell->ClientToScreen({cell->Width() / 2, cell->Height() / 2});
        });
    }
    // A click on a cell; it opens the chooser unless the cell is opened. The clock moves on by
    // the double-click time first, so that two clicks never make a double click.
    void ClickCell(int index, TMouseButton button = mbLeft) {
        const TPoint at = CellCentre(index);
        FDriver->Advance(DoubleClickGap);
        FDriver->Click(at.X, at.Y, button);
    }
    // Hidden cells, in board order.
    std::vector<int> HiddenCells() {
        return Ui([] {
            std::vector<int> hidden;
            for (int i = 0; i < 81; ++i)
                if (!Form1->Cell(i)->Opened) hidden.push_back(i);
            return hidden;
        });
    }
    int ValueOf(int index) {
        return Ui([&] { return static_cast<int>(Form1->Cell(index)->Value); });
    }
    // A digit that is not the cell's.
    int WrongDigitFor(int index) { return ValueOf(index) % 9 + 1; }
    // Opens every hidden cell but the one given, as a player would have done.
    void SolveAllBut(int keep) {
        Ui([&] {
            for (int i = 0; i < 81; ++i)
                if (i != keep && !Form1->Cell(i)->Opened) Form1->Cell(i)->ShowCellValue();
        });
    }

    // Plays the game to its last cell and answers that cell right after the clock has run to
    // `seconds`.
    void WinIn(int seconds);

    // Clicks an item of the main window's menu bar: 0 "Новая игра", 1 "Настройки", 2 "Рекорды",
    // 3 "О программе". Windows the item shows modally stay open (never open them with Ui(), which
    // would wait for them to close).
    void ClickMenu(int position);

    // --- the chooser and the dialogs ------------------------------------------------------
    bool ChooserShown() {
        return Ui([] { return SetValueF->Visible(); });
    }
    // Clicks a digit button of the chooser's digit page.
    void ClickDigit(int digit, TMouseButton button = mbLeft);
    TPoint DigitCentre(int digit);
    // Clicks a mark button of the chooser's marks page (which must be the page shown).
    void ClickMark(int digit, TMouseButton button = mbLeft);
    // The form that has the focus now (a modal dialog while one is open).
    std::string ActiveFormClass() {
        return Ui([] {
            HWND active = GetActiveWindow();
            auto* form = dynamic_cast<TCustomForm*>(TWinControl::FromHandle(active));
            return form ? form->ClassName() : std::string();
        });
    }
    // The texts of the active window's controls that are not buttons, joined by new lines.
    std::string ActiveDialogText();
    // The caption of the active window.
    std::string ActiveCaption() {
        return Ui([] { return GetWindowText(GetActiveWindow()); });
    }
    // Answers the active dialog as a user: Enter clicks its default button (OK), Esc cancels.
    void PressEnter() { FDriver->PressKey(VK_RETURN); }
    void PressEscape() { FDriver->PressKey(VK_ESCAPE); }
    // Clicks the close box of the active window.
    void ClickCloseBox();
    // Clicks the middle of a control, which control() gives on the UI thread.
    void ClickOn(const std::function<TControl*()>& control);

    static constexpr std::uint64_t DoubleClickGap = 600;

private:
    TempFolder FFolder;
    std::filesystem::path FHome;
    std::unique_ptr<HeadlessDriver> FDriver;
};
