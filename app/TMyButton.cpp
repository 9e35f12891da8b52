// Board cells: their three looks.
#include "app/TMyButton.h"

#include "app/BoardGeometry.h"

TMyButton::TMyButton(TComponent* owner) : TsSpeedButton(owner) {
    SetWidth(40);
    SetHeight(40);
    Font()->SetSize(20);
    Font()->SetName("Times New Roman");
    Font()->SetStyle({fsBold});
    ClearCell();
}

void TMyButton::ClearCell() {
    Value = 0;
    Marks = 0;
    SetDown(false);
    SetCaption("");
    Opened = false;
}

void TMyButton::ShowCellValue() {
    SetCaption(std::to_string(Value));
    SetDown(true);
    Opened = true;
}

void TMyButton::ShowCellMarks(std::uint16_t marks) {
    SetCaption(MarksText(marks));
    Marks = marks;
}
