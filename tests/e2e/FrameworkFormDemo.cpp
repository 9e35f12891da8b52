// Demo: a form with panels, labels, speed buttons (plain, flat, grouped, with glyphs and
// multi-line captions), an image and a hint, and a second form with the standard controls,
// built with the framework and driven like a user; writes a screenshot. Exits non-zero when a
// form does not behave.
#include "FrameworkStdControlsForm.h"

#include "framework/TApplication.h"
#include "framework/TBitmap.h"
#include "framework/TForm.h"
#include "framework/TImage.h"
#include "framework/TLabel.h"
#include "framework/TPanel.h"
#include "framework/TSpeedButton.h"
#include "framework/THintWindow.h"

#include "platform/backend/headless/HeadlessDriver.h"
#include "platform/gfx/ImageFiles.h"
#include "platform/window/Win.h"

#include <cstdio>

namespace {

TBitmap* Glyph(TColor color, bool twoImages) {
    auto* glyph = new TBitmap(twoImages ? 32 : 16, 16);
    TCanvas* c = glyph->Canvas();
    c->Brush()->SetColor(clFuchsia);
    c->FillRect({0, 0, glyph->Width(), 16});
    for (int i = 0; i < (twoImages ? 2 : 1); ++i) {
        c->Brush()->SetColor(i ? clGray : color);
        c->Pen()->SetColor(clBlack);
        c->Ellipse(i * 16 + 2, 2, i * 16 + 14, 14);
    }
    return glyph;
}

class TDemoForm : public TForm {
public:
    explicit TDemoForm(TComponent* owner) : TForm(owner) {
        SetCaption("Framework controls");
        SetBounds(60, 60, 560, 420);
        SetClientWidth(540);
        SetClientHeight(380);
        SetName("DemoF");

        auto* top = new TPanel(this);
        top->SetParent(this);
        top->SetHeight(40);
        top->SetAlign(alTop);
        top->SetCaption("TPanel, alTop, raised");
        top->SetAlignment(taLeftJustify);
        top->SetBorderWidth(4);

        auto* bottom = new TPanel(this);
        bottom->SetParent(this);
        bottom->SetHeight(30);
        bottom->SetAlign(alBottom);
        bottom->SetBevelOuter(bvLowered);
        bottom->SetCaption("Status: lowered bevel, alBottom");

        Board = new TPanel(this);
        Board->SetParent(this);
        Board->SetBounds(10, 50, 250, 250);
        Board->SetBevelInner(bvLowered);
        Board->SetBevelWidth(2);
        Board->SetColor(RGB(220, 230, 245));
        Board->SetCaption("");
        for (int i = 0; i < 9; ++i) {
            auto* cell = new TSpeedButton(this);
            cell->SetParent(Board);
            cell->SetBounds(12 + (i % 3) * 76, 12 + (i / 3) * 76, 72, 72);
            cell->SetGroupIndex(i + 1);
            cell->SetAllowAllUp(true);
            cell->SetCaption(i == 4 ? "1 2 3\r\n4 5 6\r\n7 8 9" : std::to_string(i + 1));
            cell->SetHint("Cell " + std::to_string(i + 1));
            cell->SetShowHint(true);
            Cells.push_back(cell);
        }
        Cells[2]->SetDown(true);
        Cells[7]->SetEnabled(false);

        int y = 50;
        auto button = [&](const std::string& caption, TButtonLayout layout, bool flat, TBitmap* glyph, int numGlyphs) {
            auto* b = new TSpeedButton(this);
            b->SetParent(this);
            b->SetBounds(280, y, 120, 40);
            b->SetCaption(caption);
            b->SetLayout(layout);
            b->SetFlat(flat);
            if (glyph) {
                b->SetGlyph(glyph);
                b->SetNumGlyphs(numGlyphs);
                delete glyph;
            }
            y += 46;
            return b;
        };
        button("Glyph left", blGlyphLeft, false, Glyph(clRed, false), 1);
        button("Glyph right", blGlyphRight, false, Glyph(clLime, false), 1);
        button("Top", blGlyphTop, false, Glyph(clBlue, false), 1)->SetMargin(2);
        Flat = button("Flat button", blGlyphLeft, true, nullptr, 0);
        TSpeedButton* disabled = button("Disabled", blGlyphLeft, false, Glyph(clRed, true), 2);
        disabled->SetEnabled(false);

        auto* caption = new TLabel(this);
        caption->SetParent(this);
        caption->SetBounds(420, 50, 110, 17);
        caption->SetCaption("TLabel, auto size");
        auto* wrapped = new TLabel(this);
        wrapped->SetParent(this);
        wrapped->SetBounds(420, 80, 110, 17);
        wrapped->SetWordWrap(true);
        wrapped->SetAlignment(taCenter);
        wrapped->SetColor(clInfoBk);
        wrapped->SetCaption("A centred label that wraps its words over lines");
        auto* anchored = new TLabel(this);
        anchored->SetParent(this);
        anchored->SetCaption("akRight|akBottom");
        anchored->SetBounds(420, 310, 100, 17);
        anchored->SetAnchors({akRight, akBottom});

        auto* image = new TImage(this);
        image->SetParent(this);
        image->SetBounds(420, 170, 110, 110);
        image->SetStretch(true);
        image->SetProportional(true);
        image->SetCenter(true);
        TBitmap picture(60, 40);
        picture.Canvas()->Brush()->SetColor(RGB(255, 200, 80));
        picture.Canvas()->FillRect({0, 0, 60, 40});
        picture.Canvas()->Brush()->SetColor(RGB(40, 120, 200));
        picture.Canvas()->Ellipse(10, 5, 50, 35);
        image->Picture()->SetGraphic(&picture);
    }

    TPanel* Board = nullptr;
    TSpeedButton* Flat = nullptr;
    std::vector<TSpeedButton*> Cells;
};

} // namespace

// Works the standard controls like a user; false (with a note) when one does not follow.
bool DriveStandardControls(UiDriver& driver, TStdControlsForm* form) {
    TPoint box, gap;
    driver.RunOnUi([&] {
        form->Show();
        box = form->Training->ClientToScreen({8, 8});
        gap = form->Gap->ClientToScreen({60, 10});
    });
    driver.WaitIdle();
    driver.Click(box.X, box.Y);      // the check box goes on
    driver.Advance(600);
    driver.Click(gap.X, gap.Y);
    driver.PressKey(VK_END);
    driver.Type("5x");               // the key filter keeps the digit only
    driver.PressKey(VK_TAB);         // the combo box
    driver.PressKey(VK_DOWN);        // picks the next skin
    driver.RunOnUi([&] { form->Difficulty->SetFocus(); });
    driver.PressKey(VK_RIGHT);
    driver.PressKey(VK_RIGHT);
    driver.PressKey(VK_TAB, {VK_CONTROL}); // the nearest page control is none: the first one switches
    driver.Advance(100);
    bool ok = false;
    driver.RunOnUi([&] {
        ok = form->Training->Checked() && form->Gap->Text() == "105" && form->Skins->ItemIndex() == 1 &&
             form->Difficulty->Position() == 7 && form->Status->Caption() == "Difficulty 7" &&
             form->Pages->ActivePageIndex() == 1 && form->Chooser->ActivePageIndex() == 1;
        if (!ok)
            std::fprintf(stderr, "checked %d, gap '%s', skin %d, difficulty %d, pages %d/%d\n", form->Training->Checked(),
                         form->Gap->Text().c_str(), form->Skins->ItemIndex(), form->Difficulty->Position(),
                         form->Pages->ActivePageIndex(), form->Chooser->ActivePageIndex());
    });
    return ok;
}

int main(int argc, char** argv) {
    const char* out = argc > 1 ? argv[1] : "framework-form-demo.png";
    TDemoForm* form = nullptr;
    TStdControlsForm* controls = nullptr;
    HeadlessDriver driver([&] {
        TApplication app;
        app.SetTitle("Framework demo");
        Application->CreateForm(form);
        Application->CreateForm(controls);
        app.Run();
        return 0;
    });
    driver.WaitIdle();
    const bool standard = DriveStandardControls(driver, controls);
    TPoint cell, flat;
    driver.RunOnUi([&] {
        cell = form->Cells[4]->ClientToScreen({36, 36});
        flat = form->Flat->ClientToScreen({60, 20});
    });
    driver.Click(cell.X, cell.Y);  // cell 5 goes down
    driver.MouseMove(flat.X, flat.Y); // the flat button shows its frame
    driver.Advance(100);
    driver.MouseMove(cell.X, cell.Y + 20);
    driver.Advance(600); // the cell's hint appears
    bool down = false, hint = false;
    driver.RunOnUi([&] {
        down = form->Cells[4]->Down();
        hint = Application->HintWindow() && Application->HintWindow()->Active();
    });
    Bitmap shot = driver.Screenshot();
    std::string error;
    const bool written = WritePngFile(out, shot, &error);
    driver.Shutdown();
    if (!written) std::fprintf(stderr, "cannot write %s: %s\n", out, error.c_str());
    if (!down || !hint) std::fprintf(stderr, "cell down: %d, hint shown: %d\n", down, hint);
    return written && down && hint && standard ? 0 : 1;
}
