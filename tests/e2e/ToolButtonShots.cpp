// Tool buttons and check boxes with image-list pictures on the headless screen: a row of speed
// buttons (list glyphs normal, greyed, blended, disabled; a drop-down button; a divider and a
// separator) and check boxes with list check images, shot in two internal skins and without a
// skin. Exits non-zero when a shot cannot be written or a control lost its list.
#include "framework/TApplication.h"
#include "framework/TBitmap.h"
#include "framework/TCanvas.h"
#include "framework/TForm.h"
#include "framework/TImageList.h"
#include "platform/backend/headless/HeadlessDriver.h"
#include "platform/gfx/ImageFiles.h"
#include "resources/InternalSkins.h"
#include "skin/controls/TsCheckBox.h"
#include "skin/controls/TsPanel.h"
#include "skin/controls/TsSpeedButton.h"
#include "skin/data/TsSkinManager.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Four 16 x 16 pictures on magenta: a document, a folder, a disk and a red circle.
void AddPictures(TImageList& list) {
    TBitmap strip(64, 16);
    TCanvas& c = *strip.Canvas();
    c.Brush()->SetColor(clFuchsia);
    c.FillRect({0, 0, 64, 16});
    c.Pen()->SetColor(clBlack);
    c.Brush()->SetColor(clWhite);
    c.Rectangle(3, 1, 13, 15);
    for (int y : {4, 7, 10}) c.FillRect({5, y, 11, y + 1});
    c.Brush()->SetColor(RGB(240, 200, 60));
    c.Rectangle(17, 4, 31, 14);
    c.Rectangle(17, 2, 23, 5);
    c.Brush()->SetColor(RGB(40, 80, 200));
    c.Rectangle(34, 1, 47, 15);
    c.Brush()->SetColor(clSilver);
    c.Rectangle(37, 2, 44, 7);
    c.Brush()->SetColor(RGB(220, 30, 30));
    c.Ellipse(50, 2, 63, 15);
    list.AddMasked(&strip, clFuchsia);
}

// Check images of 3 states x 14 pixels over their alpha masks: an unchecked box and a ticked one.
void AddCheckImages(TImageList& list) {
    constexpr int s = 14;
    const TColor faces[3] = {RGB(250, 250, 250), RGB(255, 250, 210), RGB(220, 220, 220)};
    TBitmap strip(2 * 3 * s, 2 * s);
    TCanvas& c = *strip.Canvas();
    c.Brush()->SetColor(clBlack);
    c.FillRect({0, s, 6 * s, 2 * s});
    for (int image = 0; image < 2; ++image)
        for (int state = 0; state < 3; ++state) {
            const int x = (image * 3 + state) * s;
            c.Pen()->SetColor(RGB(40, 90, 160));
            c.Brush()->SetColor(faces[state]);
            c.Rectangle(x, 0, x + s, s);
            if (image == 1) {
                c.Pen()->SetColor(RGB(20, 130, 40));
                c.Pen()->SetWidth(2);
                c.MoveTo(x + 3, 7);
                c.LineTo(x + 6, 10);
                c.LineTo(x + 11, 3);
                c.Pen()->SetWidth(1);
            }
        }
    list.Add(&strip, nullptr);
}

class TShotForm : public TForm {
public:
    explicit TShotForm(TComponent* owner) : TForm(owner) {
        SetCaption("Кнопки с картинками");
        SetBounds(40, 40, 470, 200);
        Pictures = new TImageList(this);
        AddPictures(*Pictures);
        Checks = new TImageList(this);
        Checks->SetWidth(3 * 14);
        Checks->SetHeight(2 * 14);
        AddCheckImages(*Checks);
        Bar = new TsPanel(this);
        Bar->SetParent(this);
        Bar->SetBounds(8, 8, 446, 40);
        Bar->SetCaption("");
        int x = 4;
        Tool(x, 0, "Новая", tbsButton, [](TsSpeedButton&) {});
        Tool(x, 1, "", tbsDropDown, [](TsSpeedButton&) {});
        Tool(x, -1, "", tbsDivider, [](TsSpeedButton& b) { b.SetWidth(8); });
        Tool(x, 2, "Серая", tbsButton, [](TsSpeedButton& b) { b.SetGrayed(true); });
        Tool(x, 3, "50%", tbsButton, [](TsSpeedButton& b) { b.SetBlend(50); });
        Tool(x, -1, "", tbsSeparator, [](TsSpeedButton& b) { b.SetWidth(10); });
        Tool(x, 0, "Нельзя", tbsButton, [](TsSpeedButton& b) { b.SetEnabled(false); });
        Tool(x, 1, "", tbsCheck, [](TsSpeedButton& b) {
            b.SetGroupIndex(1);
            b.SetAllowAllUp(true);
            b.SetDown(true);
        });
        Box(60, "Картинки из списка", false);
        Box(84, "Отмечено", true);
        auto* plain = Box(108, "Свои картинки скина", true);
        plain->SetImages(nullptr);
    }
    template <class Fn> void Tool(int& x, int index, const char* caption, TToolButtonStyle style, Fn&& more) {
        auto* b = new TsSpeedButton(this);
        b->SetParent(Bar);
        b->SetBounds(x, 4, caption[0] ? 66 : 32, 32);
        b->SetCaption(caption);
        b->SetImages(Pictures);
        b->SetImageIndex(index);
        b->SetButtonStyle(style);
        more(*b);
        Tools.push_back(b);
        x += b->Width() + 2;
    }
    TsCheckBox* Box(int top, const char* caption, bool checked) {
        auto* box = new TsCheckBox(this);
        box->SetParent(this);
        box->SetBounds(12, top, 200, 20);
        box->SetCaption(caption);
        box->SetImages(Checks);
        box->SetImgUnchecked(0);
        box->SetImgChecked(1);
        box->SetChecked(checked);
        Boxes.push_back(box);
        return box;
    }

    TImageList* Pictures = nullptr;
    TImageList* Checks = nullptr;
    TsPanel* Bar = nullptr;
    std::vector<TsSpeedButton*> Tools;
    std::vector<TsCheckBox*> Boxes;
};

// The form, three times enlarged so that single pixels can be judged.
bool Shoot(UiDriver& driver, TShotForm* form, const std::string& file) {
    constexpr int zoom = 3;
    driver.WaitIdle();
    TRect area;
    driver.RunOnUi([&] { area = form->BoundsRect(); });
    const Bitmap screen = driver.Screenshot();
    Bitmap shot(area.Width() * zoom, area.Height() * zoom);
    for (int y = 0; y < shot.Height(); ++y)
        for (int x = 0; x < shot.Width(); ++x)
            shot.SetPixel(x, y, screen.Pixel(area.Left + x / zoom, area.Top + y / zoom));
    std::string error;
    if (WritePngFile(file, shot, &error)) return true;
    std::fprintf(stderr, "cannot write %s: %s\n", file.c_str(), error.c_str());
    return false;
}

} // namespace

int main(int argc, char** argv) {
    const std::string out = argc > 1 ? argv[1] : ".";
    TShotForm* form = nullptr;
    TsSkinManager* manager = nullptr;
    HeadlessDriver driver([&] {
        TApplication app;
        manager = new TsSkinManager(nullptr);
        manager->SetActive(false);
        for (const TInternalSkin& skin : InternalSkinArchives())
            manager->InternalSkins().Add(TsStoredSkin::Borrowing(std::string(skin.Name), skin.Data));
        Application->CreateForm(form);
        app.Run();
        delete manager;
        return 0;
    });
    driver.WaitIdle();
    bool ok = true;
    for (const char* skin : {"Desert (internal)", "MacOS (internal)"}) {
        driver.RunOnUi([&] {
            manager->SetSkinName(skin);
            manager->SetActive(true);
        });
        const std::string name = std::string(skin).substr(0, std::string(skin).find(' '));
        ok = Shoot(driver, form, out + "/tool-buttons-" + name + ".png") && ok;
    }
    driver.RunOnUi([&] { manager->SetActive(false); });
    ok = Shoot(driver, form, out + "/tool-buttons-plain.png") && ok;
    driver.RunOnUi([&] {
        for (TsSpeedButton* b : form->Tools) ok = ok && b->Images() == form->Pictures;
    });
    driver.Shutdown();
    return ok ? 0 : 1;
}
