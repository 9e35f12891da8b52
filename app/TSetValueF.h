// The value chooser: a small modal popup beside a cell with a keypad of digits ("Выбор") and a
// keypad of pencil marks ("Пометки").
#pragma once

#include "framework/TForm.h"

#include <array>
#include <cstdint>

class TsButton;
class TsPageControl;
class TsSkinProvider;
class TsSpeedButton;
class TsTabSheet;

class TSetValueF : public TForm {
public:
    explicit TSetValueF(TComponent* owner);
    ~TSetValueF() override;
    std::string ClassName() const override { return "TSetValueF"; }

    TsPageControl* PageControl = nullptr;
    TsTabSheet* PageSet = nullptr;
    TsTabSheet* PageSetTemp = nullptr;
    TsSkinProvider* sSkinProvider1 = nullptr;
    std::array<TsButton*, 9> DigitButtons{};     // digit n is DigitButtons[n - 1]
    std::array<TsSpeedButton*, 9> MarkButtons{}; // mark n is MarkButtons[n - 1]

    std::uint8_t Digit = 0;   // the digit button clicked last
    std::uint16_t Marks = 0;  // the pressed mark buttons when the chooser last closed (bits 1..9)

    // Presses exactly the mark buttons of the digits in marks.
    void LoadMarks(std::uint16_t marks);
    // Shows the chooser modally: the digit clicked, or 0 when it was closed without one. Marks
    // is read from the mark buttons in both cases.
    std::uint8_t Execute();
    // The page the chooser opens on.
    void ShowPage(TsTabSheet* page);

    void FormCreate(TObject* sender);
    void FormResize(TObject* sender);
    void ButtonClick(TObject* sender);
    void Button1MouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    void Button2MouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    void FormKeyDown(TObject* sender, WORD& key, TShiftState shift);

private:
    void CreateButtons();
    // The digit a key stands for (1..9 on the main keys or the keypad), 0 for other keys.
    static int DigitOfKey(WORD key);
};

extern TSetValueF* SetValueF;
