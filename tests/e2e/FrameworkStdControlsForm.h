// The second form of the framework demo: every standard control wrapper (buttons, bitmap
// buttons, check boxes, radio buttons, group box, edit, memo, combo and list boxes, track bars,
// a page control with tabs and one with flat buttons).
#pragma once

#include "framework/TBitBtn.h"
#include "framework/TButton.h"
#include "framework/TCheckBox.h"
#include "framework/TComboBox.h"
#include "framework/TEdit.h"
#include "framework/TForm.h"
#include "framework/TGroupBox.h"
#include "framework/TLabel.h"
#include "framework/TListBox.h"
#include "framework/TMemo.h"
#include "framework/TPageControl.h"
#include "framework/TRadioButton.h"
#include "framework/TSpeedButton.h"
#include "framework/TTabSheet.h"
#include "framework/TTrackBar.h"

#include <string>

class TStdControlsForm : public TForm {
public:
    explicit TStdControlsForm(TComponent* owner) : TForm(owner) {
        SetCaption("Standard controls");
        SetName("StdControlsF");
        SetBounds(620, 60, 100, 100);
        SetClientWidth(600);
        SetClientHeight(520);
        MakeChoices();
        MakeTexts();
        MakeButtons();
        MakeSliders();
        MakePages();
    }

    TCheckBox* Training = nullptr;
    TTrackBar* Difficulty = nullptr;
    TEdit* Gap = nullptr;
    TComboBox* Skins = nullptr;
    TPageControl* Pages = nullptr;
    TPageControl* Chooser = nullptr;
    TLabel* Status = nullptr;

private:
    template <class T>
    T* Add(TWinControl* parent, int left, int top, int width, int height, const std::string& caption = "") {
        auto* c = new T(this);
        c->SetParent(parent);
        c->SetBounds(left, top, width, height);
        if (!caption.empty()) c->SetCaption(caption);
        return c;
    }

    void MakeChoices() {
        auto* group = Add<TGroupBox>(this, 10, 10, 190, 170, "TGroupBox");
        Training = Add<TCheckBox>(group, 10, 20, 170, 17, "трен. (click me)");
        auto* grayed = Add<TCheckBox>(group, 10, 40, 170, 17, "Grayed, left text");
        grayed->SetAllowGrayed(true);
        grayed->SetState(cbGrayed);
        grayed->SetAlignment(taLeftJustify);
        Add<TCheckBox>(group, 10, 60, 170, 17, "Disabled, checked")->SetChecked(true);
        group->Controls(2)->SetEnabled(false);
        Add<TRadioButton>(group, 10, 90, 170, 17, "Radio one");
        Add<TRadioButton>(group, 10, 110, 170, 17, "Radio two")->SetChecked(true);
        Add<TRadioButton>(group, 10, 130, 170, 17, "Radio three");
    }

    void MakeTexts() {
        Add<TLabel>(this, 210, 14, 60, 17, "TEdit:");
        Gap = Add<TEdit>(this, 270, 10, 120, 21);
        Gap->SetText("10");
        Gap->OnKeyPress = [](TObject*, char32_t& key) {
            if ((key < U'0' || key > U'9') && key != 8) key = 0;
        };
        Skins = Add<TComboBox>(this, 210, 40, 180, 21);
        Skins->Items()->SetCommaText("\"Desert (internal)\",\"Aqua (internal)\",Winter,Сосны");
        Skins->SetItemIndex(0);
        auto* list = Add<TComboBox>(this, 210, 70, 180, 21);
        list->SetStyle(csDropDownList);
        list->Items()->SetCommaText("csDropDownList,second");
        list->SetItemIndex(0);
        auto* memo = Add<TMemo>(this, 210, 100, 180, 80);
        memo->SetScrollBars(ssVertical);
        for (int place = 1; place <= 6; ++place)
            memo->Lines()->Add(std::to_string(place) + ". --------------  0:00:00");
        auto* box = Add<TListBox>(this, 400, 10, 190, 80);
        box->Items()->SetCommaText("TListBox,\"second item\",third,fourth,fifth,sixth");
        box->SetItemIndex(1);
        Status = Add<TLabel>(this, 400, 100, 190, 17, "Status");
    }

    void MakeButtons() {
        auto* ok = Add<TButton>(this, 400, 125, 90, 25, "Default");
        ok->SetDefault(true);
        Add<TButton>(this, 500, 125, 90, 25, "Cancel")->SetCancel(true);
        Add<TBitBtn>(this, 400, 155, 90, 27)->SetKind(bkOK);
        Add<TBitBtn>(this, 500, 155, 90, 27)->SetKind(bkCancel);
        Add<TBitBtn>(this, 400, 187, 90, 27)->SetKind(bkHelp);
        auto* right = Add<TBitBtn>(this, 500, 187, 90, 27);
        right->SetKind(bkRetry);
        right->SetLayout(blGlyphRight);
        auto* top = Add<TBitBtn>(this, 400, 219, 90, 40);
        top->SetKind(bkYes);
        top->SetLayout(blGlyphTop);
        auto* off = Add<TBitBtn>(this, 500, 219, 90, 40);
        off->SetKind(bkNo);
        off->SetEnabled(false);
    }

    void MakeSliders() {
        Difficulty = Add<TTrackBar>(this, 10, 190, 300, 40);
        Difficulty->SetRange(1, 10);
        Difficulty->SetPosition(5);
        Difficulty->SetThumbLength(15);
        Difficulty->OnChange = [this](TObject*) { Status->SetCaption("Difficulty " + std::to_string(Difficulty->Position())); };
        auto* hue = Add<TTrackBar>(this, 10, 235, 300, 40);
        hue->SetRange(0, 360);
        hue->SetFrequency(30);
        hue->SetPageSize(10);
        hue->SetTickMarks(tmBoth);
        hue->SetSelStart(90);
        hue->SetSelEnd(200);
        hue->SetPosition(120);
        auto* vertical = Add<TTrackBar>(this, 320, 190, 120, 45);
        vertical->SetOrientation(trVertical); // swaps width and height
        vertical->SetTickMarks(tmTopLeft);
    }

    void MakePages() {
        Pages = Add<TPageControl>(this, 10, 320, 290, 190);
        for (const char* caption : {"First page", "Second", "Third"}) {
            auto* sheet = new TTabSheet(this);
            sheet->SetPageControl(Pages);
            sheet->SetCaption(caption);
            Add<TLabel>(sheet, 10, 10, 200, 17, std::string("This is the page \"") + caption + "\"");
            Add<TEdit>(sheet, 10, 35, 150, 21)->SetText(caption);
        }
        Chooser = Add<TPageControl>(this, 310, 320, 280, 190);
        Chooser->SetStyle(tsFlatButtons);
        Chooser->SetTabWidth(100);
        for (const char* caption : {"Выбор", "Пометки"}) {
            const bool marks = Chooser->PageCount() == 1;
            auto* sheet = new TTabSheet(this);
            sheet->SetPageControl(Chooser);
            sheet->SetCaption(caption);
            for (int n = 1; n <= 9; ++n) {
                auto* b = Add<TSpeedButton>(sheet, 4 + (n - 1) % 3 * 88, 4 + (n - 1) / 3 * 48, 86, 46, std::to_string(n));
                b->SetGroupIndex(marks ? n : 0);
                b->SetAllowAllUp(true);
                b->SetDown(marks && n % 4 == 1);
            }
        }
        Chooser->SetActivePageIndex(1);
    }
};
