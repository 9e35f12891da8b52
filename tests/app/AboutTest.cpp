// The About dialog: its picture, and the link that opens the game's page: the address in force
// is opened on the press, and the click then picks the next one from what exists.
#include "tests/app/GameFixture.h"

#include "app/TAboutF.h"
#include "framework/TImage.h"
#include "framework/TPicture.h"
#include "framework/TGraphic.h"
#include "platform/system/Files.h"
#include "skin/controls/TsWebLabel.h"

#include <algorithm>

TEST(AboutLink, TheSkinsPageComesFirstThenTheCurrentFoldersThenTheWeb) {
    std::vector<std::string> present;
    auto exists = [&](const std::string& path) { return std::find(present.begin(), present.end(), path) != present.end(); };
    EXPECT_EQ(TAboutF::LinkAddress(exists), TAboutF::WebPage);
    present = {TAboutF::LocalPage()};
    EXPECT_EQ(TAboutF::LinkAddress(exists), TAboutF::LocalPage());
    present.push_back(TAboutF::SkinsPage());
    EXPECT_EQ(TAboutF::LinkAddress(exists), TAboutF::SkinsPage());
    EXPECT_NE(TAboutF::SkinsPage().find("/Skins/tavik.html"), std::string::npos);
}

class AboutTest : public GameTest {
protected:
    void ClickLink() {
        const TPoint at = Ui([] { return AboutF->sWebLabel1->ClientToScreen({4, 4}); });
        Driver().Advance(DoubleClickGap);
        Driver().Click(at.X, at.Y);
    }
};

TEST_F(AboutTest, ShowsItsPictureAndOpensTheLinkOnThePress) {
    Start();
    ClickMenu(3);
    EXPECT_EQ(ActiveFormClass(), "TAboutF");
    EXPECT_EQ(ActiveCaption(), "О программе");
    EXPECT_EQ(Ui([] { return AboutF->ClientRect().Size(); }), (TSize{298, 210}));
    const TSize picture = Ui([] {
        TGraphic* g = AboutF->ProgramIcon->Picture()->Graphic();
        return g ? TSize{g->Width(), g->Height()} : TSize{};
    });
    EXPECT_EQ(picture, (TSize{145, 145}));

    // The press opens the address in force; the click then sets the next one (the Skins page
    // is copied beside the tests).
    const std::string designed = Ui([] { return AboutF->sWebLabel1->URL(); });
    EXPECT_EQ(designed, TAboutF::SkinsPage());
    ClickLink();
    ASSERT_EQ(Driver().Backend().ShellOpened().size(), 1u);
    EXPECT_EQ(Driver().Backend().ShellOpened().back(), designed);
    EXPECT_EQ(Ui([] { return AboutF->sWebLabel1->URL(); }), TAboutF::LinkAddress(FileExists));
    PressEnter();
    EXPECT_EQ(ActiveFormClass(), "TForm1");
}

TEST_F(AboutTest, TheLinkShowsItsHoverFontWhileTheMouseIsOverIt) {
    Start();
    ClickMenu(3);
    const auto [normal, hover] = Ui([] {
        return std::make_pair(AboutF->sWebLabel1->Font()->Color(), AboutF->sWebLabel1->HoverFont()->Color());
    });
    EXPECT_EQ(normal, clNavy);
    EXPECT_EQ(hover, clBlue);
    const TPoint at = Ui([] { return AboutF->sWebLabel1->ClientToScreen({4, 4}); });
    Driver().MouseMove(at.X, at.Y);
    EXPECT_EQ(Ui([] { return AboutF->sWebLabel1->Font()->Color(); }), clBlue);
    Driver().MouseMove(at.X, at.Y - 40);
    EXPECT_EQ(Ui([] { return AboutF->sWebLabel1->Font()->Color(); }), clNavy);
    PressEscape();
}
