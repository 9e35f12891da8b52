// The value chooser: its two keypads, layout and answers.
#include "app/TSetValueF.h"

#include "app/BoardGeometry.h"
#include "framework/Exception.h"
#include "skin/controls/TsButton.h"
#include "skin/controls/TsPageControl.h"
#include "skin/controls/TsSpeedButton.h"
#include "skin/controls/TsTabSheet.h"
#include "skin/windows/TsSkinProvider.h"

#include <limits>

TSetValueF* SetValueF = nullptr;

namespace {
constexpr WORD KeyEscape = 27;
constexpr WORD KeyDigit1 = 0x31;
constexpr WORD KeyNumpad1 = 0x61;
} // namespace

TSetValueF::TSetValueF(TComponent* owner) : TForm(owner) {
    SetName("SetValueF");
    SetCaption("Выбери");
    SetBorderStyle(bsNone);
    SetClientWidth(118);
    SetClientHeight(101);
    Font()->SetName("MS Sans Serif");
    Font()->SetSize(8);
    SetKeyPreview(true);
    PageControl = new TsPageControl(this);
    PageControl->SetName("PageControl");
    PageControl->SetParent(this);
    PageControl->SetAlign(alClient);
    PageControl->SetStyle(tsFlatButtons);
    PageControl->SkinData()->SetSkinSection("PAGECONTROL");
    auto page = [this](const std::string& name, const std::string& caption) {
        auto* sheet = new TsTabSheet(this);
        sheet->SetName(name);
        sheet->SetPageControl(PageControl);
        sheet->SetCaption(caption);
        return sheet;
    };
    PageSet = page("PageSet", "Выбор");
    PageSetTemp = page("PageSetTemp", "Пометки");
    PageControl->SetActivePage(PageSet);
    sSkinProvider1 = new TsSkinProvider(this);
    sSkinProvider1->SetName("sSkinProvider1");
    sSkinProvider1->SkinData()->SetSkinSection("FORM");
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnResize = [this](TObject* s) { FormResize(s); };
    OnKeyDown = [this](TObject* s, WORD& key, TShiftState shift) { FormKeyDown(s, key, shift); };
}

TSetValueF::~TSetValueF() {
    DoDestroy();
    if (SetValueF == this) SetValueF = nullptr;
}

void TSetValueF::FormCreate(TObject*) {
    SetWidth(134);
    SetHeight(134);
    SetBorderStyle(bsSizeToolWin);
    CreateButtons();
    FormResize(this);
}

void TSetValueF::CreateButtons() {
    for (int n = 1; n <= 9; ++n) {
        auto* digit = new TsButton(this);
        digit->SetParent(PageSet);
        digit->SetTag(n);
        digit->SetCaption(std::to_string(n));
        digit->Font()->SetName("Tahoma");
        digit->OnClick = [this](TObject* s) { ButtonClick(s); };
        digit->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) { Button1MouseDown(s, b, sh, x, y); };
        DigitButtons[n - 1] = digit;
    }
    for (int n = 1; n <= 9; ++n) {
        auto* mark = new TsSpeedButton(this);
        mark->SetParent(PageSetTemp);
        mark->SetTag(n);
        mark->SetGroupIndex(n);
        mark->SetAllowAllUp(true);
        mark->SetCaption(std::to_string(n));
        mark->Font()->SetName("Tahoma");
        mark->Font()->SetStyle({fsBold, fsUnderline});
        mark->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) { Button2MouseDown(s, b, sh, x, y); };
        MarkButtons[n - 1] = mark;
    }
}

// Both keypads fill their page 3 × 3, digit 1 at the top left; the remainder of the divisions
// stays at the right and bottom.
void TSetValueF::FormResize(TObject*) {
    if (!PageControl) return;
    const double tabWidth = Width() / 2.6;
    if (tabWidth > std::numeric_limits<std::int16_t>::max()) throw ERangeError("Range check error");
    PageControl->SetTabWidth(static_cast<int>(tabWidth));
    auto layout = [](TWinControl* page, int fontDivisor) {
        const int w = page->Width() / 3, h = page->Height() / 3;
        for (int i = 0; i < page->ControlCount(); ++i) {
            TControl* button = page->Controls(i);
            const int tag = static_cast<int>(button->Tag());
            button->SetBounds(GridLeft(tag, 3, w, 1, 1, 0), GridTop(tag, 3, h, 1, 1, 0), w, h);
            button->Font()->SetSize((w + h) / fontDivisor);
        }
    };
    layout(PageSet, 4);
    layout(PageSetTemp, 7);
}

void TSetValueF::LoadMarks(std::uint16_t marks) {
    for (int n = 1; n <= 9; ++n) MarkButtons[n - 1]->SetDown((marks & (1u << n)) != 0);
}

std::uint8_t TSetValueF::Execute() {
    const TModalResult result = ShowModal();
    Marks = 0;
    for (int n = 1; n <= 9; ++n)
        if (MarkButtons[n - 1]->Down()) Marks = static_cast<std::uint16_t>(Marks | (1u << n));
    return result == mrOk ? Digit : 0;
}

void TSetValueF::ShowPage(TsTabSheet* page) {
    PageControl->SetActivePage(page);
}

void TSetValueF::ButtonClick(TObject* sender) {
    Digit = static_cast<std::uint8_t>(static_cast<TComponent*>(sender)->Tag());
    SetModalResult(mrOk);
}

void TSetValueF::Button1MouseDown(TObject*, TMouseButton button, TShiftState, int, int) {
    if (button == mbRight) SetModalResult(mrCancel);
}

void TSetValueF::Button2MouseDown(TObject*, TMouseButton button, TShiftState, int, int) {
    if (button == mbRight) SetModalResult(mrCancel);
}

// Esc closes without a digit. A digit key answers on the digit page and toggles its mark on the
// marks page, so the chooser can be used without the mouse.
void TSetValueF::FormKeyDown(TObject*, WORD& key, TShiftState) {
    if (key == KeyEscape) {
        SetModalResult(mrCancel);
        return;
    }
    const int digit = DigitOfKey(key);
    if (digit == 0) return;
    key = 0;
    if (PageControl->ActivePage() == PageSet) {
        Digit = static_cast<std::uint8_t>(digit);
        SetModalResult(mrOk);
    } else {
        TsSpeedButton* mark = MarkButtons[digit - 1];
        mark->SetDown(!mark->Down());
    }
}

int TSetValueF::DigitOfKey(WORD key) {
    if (key >= KeyDigit1 && key < KeyDigit1 + 9) return key - KeyDigit1 + 1;
    if (key >= KeyNumpad1 && key < KeyNumpad1 + 9) return key - KeyNumpad1 + 1;
    return 0;
}
