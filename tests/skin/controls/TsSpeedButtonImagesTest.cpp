// The skinned speed button's image-list glyph, its drop-down arrow part, separators and dividers,
// and what the plain look does with them.
#include "skin/controls/TsPanel.h"
#include "skin/controls/TsSpeedButton.h"
#include "tests/skin/controls/BoardControlsKit.h"
#include "tests/skin/paint/PaintTestKit.h"

#include "framework/TBitmap.h"
#include "framework/TImageList.h"
#include "framework/TPopupMenu.h"

namespace {

constexpr TSize ImageSize{8, 8};
constexpr TPoint Hidden{2, 3}; // the list image's magenta pixel

// The list image's pixel (x, y): a colour of its own, magenta at Hidden.
TColor ListPixel(int x, int y) {
    if (x == Hidden.X && y == Hidden.Y) return clFuchsia;
    return RGB(30 + x * 20, 200 - y * 20, 90 + x * y);
}

TColor Grey(TColor c) {
    const int g = (GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3;
    return RGB(g, g, g);
}

// Per channel round(s - factor * (s - d)).
TColor Blended(TColor source, TColor behind, double factor) {
    return PerChannel(source, behind, [factor](int s, int d) { return RoundEven(s - factor * (s - d)); });
}

// Records where it was asked to open, and how the button looked then, instead of opening.
class TRecordingMenu : public TPopupMenu {
public:
    using TPopupMenu::TPopupMenu;
    void Popup(int x, int y) override {
        Points.push_back({x, y});
        StatesDuring.push_back(Button->CurrentState());
        HintsDuring.push_back(Application->ShowHint());
    }
    TsSpeedButton* Button = nullptr;
    std::vector<TPoint> Points;
    std::vector<int> StatesDuring;
    std::vector<bool> HintsDuring;
};

class SpeedButtonImages : public BoardControlsTest {
protected:
    void SetUp() override {
        BoardControlsTest::SetUp();
        List = new TImageList(Form);
        List->SetWidth(ImageSize.cx);
        List->SetHeight(ImageSize.cy);
        TBitmap strip(ImageSize.cx * 2, ImageSize.cy);
        for (int y = 0; y < ImageSize.cy; ++y)
            for (int x = 0; x < ImageSize.cx; ++x) {
                strip.Image().SetPixel(x, y, clLime);
                strip.Image().SetPixel(ImageSize.cx + x, y, ListPixel(x, y));
            }
        List->AddMasked(&strip, clFuchsia);
        SkinOn();
        Board = On<TsPanel>(Form, 10, 10, 260, 160);
        Board->SetBevelOuter(bvNone);
        Button = On<TsSpeedButton>(Board, 20, 20, 40, 40);
        Button->SetDisabledKind({});
        Pump();
    }
    const Bitmap& Cache() const { return Button->SkinData()->CacheBitmap()->Image(); }
    void UseListImage(int index) {
        Button->SetImages(List);
        Button->SetImageIndex(index);
        Pump();
    }
    // Every pixel of the list image at the glyph's place, against expected(list pixel); the
    // magenta one shows the button behind.
    template <class Fn> void ExpectGlyph(TColor behind, Fn&& expected, const char* what) {
        const TRect at = Button->GlyphRect();
        for (int y = 0; y < ImageSize.cy; ++y)
            for (int x = 0; x < ImageSize.cx; ++x) {
                const TColor want = x == Hidden.X && y == Hidden.Y ? behind : expected(ListPixel(x, y));
                ASSERT_EQ(Cache().Pixel(at.Left + x, at.Top + y), want) << what << " at " << x << "," << y;
            }
    }

    TImageList* List = nullptr;
    TsPanel* Board = nullptr;
    TsSpeedButton* Button = nullptr;
};

} // namespace

TEST_F(SpeedButtonImages, TheListGlyphLeavesOutItsKeyAndIsBlendedOrGreyedOnlyWhenNormal) {
    UseListImage(1);
    EXPECT_EQ(Button->GlyphRect(), (TRect{16, 16, 24, 24})) << "sized by the list, centred";
    ExpectGlyph(BoardSkin::Speed, [](TColor c) { return c; }, "plain");

    Button->SetBlend(50);
    Pump();
    ExpectGlyph(BoardSkin::Speed, [](TColor c) { return Blended(c, BoardSkin::Speed, 0.5); }, "blend 50");

    Button->SetBlend(0);
    Button->SetGrayed(true);
    Pump();
    ExpectGlyph(BoardSkin::Speed, Grey, "grayed");

    Button->SetBlend(30);
    Pump();
    ExpectGlyph(BoardSkin::Speed, [](TColor c) { return Blended(Grey(c), BoardSkin::Speed, 0.3); }, "grayed, blend 30");

    const TPoint over = At(*Button, 2, 2);
    MoveTo(over.X, over.Y);
    Pump();
    ASSERT_EQ(Button->CurrentState(), 1);
    ExpectGlyph(BoardSkin::SpeedHot, [](TColor c) { return c; }, "hot: neither greyed nor blended");
}

TEST_F(SpeedButtonImages, AListBackgroundColourIsTheKeyOfTheListGlyph) {
    List->SetBkColor(ListPixel(5, 5));
    UseListImage(1);
    const TRect at = Button->GlyphRect();
    EXPECT_EQ(Cache().Pixel(at.Left + 5, at.Top + 5), BoardSkin::Speed) << "the background colour is left out";
    EXPECT_EQ(Cache().Pixel(at.Left + Hidden.X, at.Top + Hidden.Y), BoardSkin::Speed) << "so is the masked pixel";
    EXPECT_EQ(Cache().Pixel(at.Left + 4, at.Top + 5), ListPixel(4, 5));
}

TEST_F(SpeedButtonImages, ADisabledListGlyphIsGreyedAndHalfBlendedAsItsKindSays) {
    UseListImage(1);
    Button->SetEnabled(false);
    Pump();
    ExpectGlyph(BoardSkin::Speed, [](TColor c) { return Blended(c, BoardSkin::Speed, 0.5); }, "dgBlended");
    Button->SetDisabledGlyphKind({dgGrayed});
    Pump();
    ExpectGlyph(BoardSkin::Speed, Grey, "dgGrayed");
    Button->SetDisabledGlyphKind({dgGrayed, dgBlended});
    Pump();
    ExpectGlyph(BoardSkin::Speed, [](TColor c) { return Blended(Grey(c), BoardSkin::Speed, 0.5); }, "both");
    Button->SetDisabledGlyphKind({});
    Pump();
    ExpectGlyph(BoardSkin::Speed, [](TColor c) { return c; }, "neither");
}

TEST_F(SpeedButtonImages, AnIndexOutsideTheListDrawsNoGlyphAndAFreedListIsForgotten) {
    UseListImage(2);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) ASSERT_EQ(Cache().Pixel(x, y), BoardSkin::Speed) << x << "," << y;
    Button->SetImageIndex(-1);
    Pump();
    EXPECT_TRUE(Button->GlyphRect().IsEmpty());

    Button->SetImageIndex(1);
    Pump();
    delete List;
    List = nullptr;
    EXPECT_EQ(Button->Images(), nullptr);
    Pump();
    EXPECT_EQ(Cache().Pixel(20, 20), BoardSkin::Speed) << "the glyph went with its list";
}

TEST_F(SpeedButtonImages, WithoutASkinTheListImageBecomesTheGlyphUntilListOrSkinChanges) {
    SkinOff();
    TBitmap own(4, 4);
    own.Image().Fill(clBlue);
    Button->SetGlyph(&own);
    UseListImage(1);
    Pump();
    ASSERT_FALSE(Button->Glyph()->Empty()) << "painting copied the list image into Glyph";
    EXPECT_EQ(Button->Glyph()->Width(), ImageSize.cx) << "setting Images dropped the own glyph";
    EXPECT_EQ(Button->Glyph()->Image().Pixel(4, 4), ListPixel(4, 4));
    const TRect at = Button->TSpeedButton::GlyphRect();
    EXPECT_EQ(Pixel(*Button, at.Left + 4, at.Top + 4), ListPixel(4, 4)) << "the plain look shows it";

    Button->SetImageIndex(0);
    Pump();
    EXPECT_EQ(Button->Glyph()->Image().Pixel(4, 4), clLime) << "a new index, a new copy";
    List->Delete(0);
    Pump();
    EXPECT_EQ(Button->Glyph()->Image().Pixel(4, 4), ListPixel(4, 4)) << "the list changed: copied again";
    EXPECT_EQ(Pixel(*Button, at.Left + 4, at.Top + 4), ListPixel(4, 4));
    SkinOn();
    EXPECT_TRUE(Button->Glyph()->Empty()) << "a new skin with a list of images clears Glyph";
    const TRect skinned = Button->GlyphRect();
    EXPECT_EQ(Cache().Pixel(skinned.Left + 4, skinned.Top + 4), ListPixel(4, 4));
}

TEST_F(SpeedButtonImages, ADropDownButtonIsSixteenPixelsWiderAndPaintsItsArrowPartOnItsOwn) {
    UseListImage(1);
    Button->SetButtonStyle(tbsDropDown);
    Pump();
    EXPECT_EQ(Button->Width(), 56);
    EXPECT_EQ(Button->GlyphRect(), (TRect{16, 16, 24, 24})) << "the face is what the arrow leaves";
    // The skin's arrow, centred in the part: x = 40 + (16 - 5) div 2 + 1, y = (40 - 5) div 2.
    const TPoint arrow{40 + (16 - BoardSkin::ArrowSize) / 2 + 1, (40 - BoardSkin::ArrowSize) / 2};
    EXPECT_EQ(Cache().Pixel(arrow.X + 2, arrow.Y + 2), BoardSkin::Arrow[0]);
    EXPECT_EQ(Cache().Pixel(arrow.X, arrow.Y), BoardSkin::Speed) << "the arrow's key pixel";
    EXPECT_EQ(Cache().Pixel(arrow.X - 1, arrow.Y + 2), BoardSkin::Speed);
    EXPECT_EQ(Cache().Pixel(arrow.X + BoardSkin::ArrowSize, arrow.Y + 2), BoardSkin::Speed);

    Button->SetGroupIndex(4);
    Button->SetAllowAllUp(true);
    Button->SetDown(true);
    Pump();
    EXPECT_EQ(Cache().Pixel(arrow.X + 2, arrow.Y + 2), BoardSkin::Arrow[2]) << "down: the pressed arrow";
    EXPECT_EQ(Cache().Pixel(50, 2), BoardSkin::SpeedHot) << "on the pressed part";

    Button->SetButtonStyle(tbsCheck);
    EXPECT_EQ(Button->Width(), 40) << "narrowed again";
    Button->SetButtonStyle(tbsButton);
    EXPECT_EQ(Button->Width(), 40);
    Button->BeginLoading();
    Button->SetButtonStyle(tbsDropDown);
    Button->EndLoading();
    EXPECT_EQ(Button->Width(), 40) << "a stored style comes with its stored width";
}

TEST_F(SpeedButtonImages, SeparatorsShowTheParentDividersItsLineAndNeitherTakesClicks) {
    Button->SetCaption("X");
    UseListImage(1);
    int clicks = 0;
    Button->OnClick = [&clicks](TObject*) { ++clicks; };
    Button->SetButtonStyle(tbsDivider);
    Pump();
    const int left = (40 - 2) / 2;
    for (int y = 0; y < 40; ++y) {
        ASSERT_EQ(Cache().Pixel(left, y), BoardSkin::DividerDark) << y;
        ASSERT_EQ(Cache().Pixel(left + 1, y), BoardSkin::DividerLight) << y;
        for (int x : {0, 10, left - 1, left + 2, 39}) ASSERT_EQ(Cache().Pixel(x, y), BoardSkin::Panel) << x << "," << y;
    }
    Button->SetButtonStyle(tbsSeparator);
    Pump();
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) ASSERT_EQ(Cache().Pixel(x, y), BoardSkin::Panel) << x << "," << y;
    const TPoint inside = At(*Button, 20, 20);
    ClickAt(inside.X, inside.Y);
    EXPECT_EQ(clicks, 0);

    SkinOff();
    Button->SetButtonStyle(tbsDivider);
    ClickAt(inside.X, inside.Y);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(Pixel(*Button, 19, 20), ColorToRGB(clBtnShadow)) << "the plain divider's etched line";
    EXPECT_EQ(Pixel(*Button, 20, 20), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(Pixel(*Button, 10, 20), Pixel(*Board, 30, 40)) << "beside it the parent shows";
    Button->SetButtonStyle(tbsButton);
    ClickAt(inside.X, inside.Y);
    EXPECT_EQ(clicks, 1);
}

TEST_F(SpeedButtonImages, ThePressOnTheArrowPartOpensTheMenuBelowTheButtonHeldDown) {
    auto* menu = new TRecordingMenu(Form);
    menu->Button = Button;
    Button->SetButtonStyle(tbsDropDown);
    Button->SetDropdownMenu(menu);
    int clicks = 0;
    Button->OnClick = [&clicks](TObject*) { ++clicks; };
    Pump();
    const TPoint face = At(*Button, 20, 20), arrow = At(*Button, 48, 20);
    ClickAt(face.X, face.Y);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(menu->Points.empty()) << "the face clicks while there is a click handler";

    ClickAt(arrow.X, arrow.Y);
    EXPECT_EQ(clicks, 1);
    ASSERT_EQ(menu->Points.size(), 1u);
    EXPECT_EQ(menu->Points[0], At(*Button, 0, 41)) << "below the button";
    EXPECT_EQ(menu->StatesDuring[0], 2) << "held down while the menu is open";
    EXPECT_FALSE(menu->HintsDuring[0]) << "no hints over the menu";
    EXPECT_TRUE(Application->ShowHint());
    EXPECT_EQ(Button->CurrentState(), 1) << "the pointer is still over it";

    Button->OnClick = nullptr;
    ClickAt(face.X, face.Y);
    EXPECT_EQ(menu->Points.size(), 2u) << "without a click handler the whole button opens it";
    Button->SetEnabled(false);
    ClickAt(arrow.X, arrow.Y);
    EXPECT_EQ(menu->Points.size(), 2u) << "not while disabled";
    delete menu;
    EXPECT_EQ(Button->DropdownMenu(), nullptr);
    Button->SetEnabled(true);
    ClickAt(arrow.X, arrow.Y); // nothing to open, nothing to crash
}
