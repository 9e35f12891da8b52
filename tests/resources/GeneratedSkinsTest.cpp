// The generated skins: the internal ones match the internal-skins table, and every skin loads
// completely, with every section and image the program paints, and readable text.
#include "SkinUnderTest.h"

#include "resources/InternalSkins.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

const std::vector<std::string> Sections = {
    "GLOBALINFO", "FORM", "FORMTITLE", "TITLEBAR", "DIALOG", "MDIAREA", "MENULINE", "MAINMENU", "MENUITEM", "ICOLINE",
    "DIVIDER", "DIVIDERV", "EXTRALINE", "TOOLBUTTON", "TOOLBAR", "BUTTON", "SPEEDBUTTON", "SPEEDBUTTON_SMALL",
    "CHECKBOX", "RADIOBUTTON", "TRACKBAR", "PANEL", "PANEL_LOW", "GROUPBOX", "EDIT", "COMBOBOX", "COMBOBTN",
    "PAGECONTROL", "PAGECONTROLLEFT", "PAGECONTROLRIGHT", "PAGECONTROLBOTTOM", "TABSHEET", "TABTOP", "TABBOTTOM",
    "TABLEFT", "TABRIGHT", "HINT", "WEBBUTTON", "STATUSBAR", "DRAGBAR", "BAR", "BARTITLE", "SPLITTER", "GAUGE",
    "SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT", "SCROLLBTNRIGHT", "SCROLLSLIDERV", "SCROLLSLIDERH",
    "SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V", "UPDOWNBTN"};

const std::vector<std::pair<std::string, std::string>> ImageKeys = {
    {"GLOBALINFO", "BOXCHECKED"}, {"GLOBALINFO", "BOXUNCHECKED"}, {"GLOBALINFO", "BOXGRAYED"},
    {"GLOBALINFO", "RADIOCHECKED"}, {"GLOBALINFO", "RADIOUNCHECKED"}, {"GLOBALINFO", "RADIOGRAYED"},
    {"GLOBALINFO", "SMALLCHECKED"}, {"GLOBALINFO", "SMALLUNCHECKED"}, {"GLOBALINFO", "SMALLGRAYED"},
    {"GLOBALINFO", "CHECK"}, {"GLOBALINFO", "TITLEBUTTON"}, {"GLOBALINFO", "BICONCLOSE"}, {"GLOBALINFO", "BICONMAX"},
    {"GLOBALINFO", "BICONMIN"}, {"GLOBALINFO", "BICONNORM"}, {"GLOBALINFO", "BICONHELP"},
    {"GLOBALINFO", "SICONCLOSE"}, {"GLOBALINFO", "SICONMAX"}, {"GLOBALINFO", "SICONMIN"},
    {"GLOBALINFO", "SICONNORM"}, {"GLOBALINFO", "GRIPIMAGE"}, {"FORM", "BORDERSMASK"},
    {"FORMTITLE", "BORDERSMASK"}, {"BUTTON", "BORDERSMASK"}, {"SPEEDBUTTON", "BORDERSMASK"},
    {"SPLITTER", "BORDERSMASK"}, {"EDIT", "BORDERSMASK"}, {"COMBOBOX", "GLYPHMASK"}, {"COMBOBTN", "BORDERSMASK"},
    {"TRACKBAR", "SLIDERCHANNEL"}, {"TRACKBAR", "SLIDERMASK"}, {"TRACKBAR", "SLIDERVMASK"},
    {"PANEL", "BORDERSMASK"}, {"PANEL_LOW", "BORDERSMASK"}, {"GROUPBOX", "BORDERSMASK"},
    {"PAGECONTROL", "BORDERSMASK"}, {"TABTOP", "BORDERSMASK"}, {"TABBOTTOM", "BORDERSMASK"},
    {"TABLEFT", "BORDERSMASK"}, {"TABRIGHT", "BORDERSMASK"}, {"HINT", "BORDERSMASK"}, {"MENUITEM", "BORDERSMASK"},
    {"SCROLLBTNTOP", "GLYPHMASK"}, {"SCROLLBTNBOTTOM", "GLYPHMASK"}, {"SCROLLBTNLEFT", "GLYPHMASK"},
    {"SCROLLBTNRIGHT", "GLYPHMASK"}, {"SCROLLSLIDERV", "GLYPHMASK"}, {"SCROLLSLIDERH", "GLYPHMASK"},
    {"SCROLLSLIDERV", "BORDERSMASK"}, {"SCROLLBAR1H", "BORDERSMASK"}, {"SCROLLBAR2V", "BORDERSMASK"},
    {"UPDOWNBTN", "BORDERSMASK"}};

const std::vector<std::string> TickKeys = {"TICKHORZ", "TICKVERT"};

const std::vector<std::pair<std::string, std::vector<std::string>>> InternalTable = {
    {"Neutral2 (internal)", {"Options.dat", "ButtonHuge.bmp", "Master.bmp"}},
    {"Desert (internal)", {"Options.dat", "ButtonHuge.bmp", "Master.bmp"}},
    {"BlueIce (internal)", {"Options.dat", "Btn_Huge.bmp", "Master.bmp", "BG.JPG"}},
    {"HeroesStyle (internal)", {"Options.dat", "ButtonHuge.bmp", "Master.bmp"}},
    {"MacOS (internal)", {"Options.dat", "Biclose.bmp", "BIMAX.BMP", "BIMIN.BMP", "ButtonHuge.bmp", "Master.bmp"}},
    {"Winter2003 (internal)", {"Options.dat", "Btn_Huge.bmp", "Master.bmp", "BG.JPG"}},
    {"Wood (internal)", {"Options.dat", "ButtonHuge.bmp", "Master.bmp", "Bg.jpg"}}};

class GeneratedSkins : public ::testing::Test {
protected:
    static void SetUpTestSuite() { FSkins = new std::vector<std::unique_ptr<SkinUnderTest>>(SkinUnderTest::All()); }
    static void TearDownTestSuite() { delete FSkins; }
    static const std::vector<std::unique_ptr<SkinUnderTest>>& Skins() { return *FSkins; }
    static std::vector<std::unique_ptr<SkinUnderTest>>* FSkins;
};

std::vector<std::unique_ptr<SkinUnderTest>>* GeneratedSkins::FSkins = nullptr;

const Bitmap& ImageBitmap(const TsSkinModel& model, const TsMaskData& mask) {
    return mask.Bmp ? *mask.Bmp : model.MasterBitmap;
}

TRect ImageRect(const TsSkinModel& model, const TsMaskData& mask) {
    TRect r = mask.R;
    if (mask.Bmp && r.Width() == 0) r = ImageBitmap(model, mask).BoundsRect();
    return r;
}

} // namespace

TEST_F(GeneratedSkins, InternalSkinsAreTheSevenOfTheTableInItsOrderWithItsMembers) {
    std::span<const TInternalSkin> internal = InternalSkinArchives();
    ASSERT_EQ(internal.size(), InternalTable.size());
    for (std::size_t i = 0; i < internal.size(); ++i) {
        EXPECT_EQ(internal[i].Name, InternalTable[i].first);
        const SkinUnderTest& skin = *Skins()[i];
        std::vector<std::string> members;
        for (const TacMemberInfo& member : skin.Archive->Members()) members.push_back(member.Name);
        EXPECT_EQ(members, InternalTable[i].second) << skin.Name;
        for (const TacImageItem& item : skin.Archive->ImageItems()) {
            if (!item.IsBitmap) continue;
            ASSERT_GT(item.Data.size(), 30u) << item.Name;
            EXPECT_EQ(item.Data[0], 'B');
            EXPECT_EQ(item.Data[28], 8) << skin.Name << " " << item.Name << " is not an 8-bit palette bitmap";
        }
        // Every member is one zlib stream at the default level.
        EXPECT_EQ(internal[i].Data[8 + 4 + 11 + 4], 0x78);
        EXPECT_EQ(internal[i].Data[8 + 4 + 11 + 4 + 1], 0x9C);
    }
}

TEST_F(GeneratedSkins, EverySkinLoadsWithEverySectionAndImage) {
    for (const auto& skin : Skins()) {
        SCOPED_TRACE(skin->Name);
        EXPECT_EQ(skin->Problems, std::vector<std::string>{});
        EXPECT_FALSE(skin->Model.MasterBitmap.Empty());
        for (const std::string& section : Sections) EXPECT_GE(skin->Model.SectionIndex(section), 0) << section;
        for (const auto& [section, key] : ImageKeys) {
            EXPECT_GE(skin->Model.MaskIndex(skin->Model.SectionIndex(section), section, key), 0) << section << " " << key;
        }
        bool macLike = skin->Name == "MacOS (internal)";
        for (const std::string& key : TickKeys) {
            int index = skin->Model.MaskIndex(skin->Model.SectionIndex("TRACKBAR"), "TRACKBAR", key);
            EXPECT_EQ(index >= 0, !macLike) << key;
        }
    }
}

TEST_F(GeneratedSkins, EveryImageLiesInsideItsBitmapAndSplitsIntoWholeStates) {
    for (const auto& skin : Skins()) {
        for (const TsMaskData& mask : skin->Model.Masks) {
            SCOPED_TRACE(skin->Name + " " + mask.SectionName + " " + mask.PropertyName);
            const Bitmap& bitmap = ImageBitmap(skin->Model, mask);
            TRect r = ImageRect(skin->Model, mask);
            ASSERT_GT(r.Width(), 0);
            ASSERT_GT(r.Height(), 0);
            EXPECT_GE(r.Left, 0);
            EXPECT_GE(r.Top, 0);
            EXPECT_LE(r.Right, bitmap.Width());
            EXPECT_LE(r.Bottom, bitmap.Height());
            EXPECT_EQ(r.Width() % std::max(1, mask.ImageCount), 0);
            EXPECT_EQ(r.Height() % (mask.MaskType + 1), 0);
            EXPECT_LE(mask.WL + mask.WR, r.Width() / std::max(1, mask.ImageCount));
            EXPECT_LE(mask.WT + mask.WB, r.Height() / (mask.MaskType + 1));
        }
    }
}

// A gradient's steps share the painted extent between them: together they cover all of it, so
// no band of a glossy face is left unpainted or pushed out of the element.
TEST_F(GeneratedSkins, GradientStepsTogetherCoverTheWholeExtent) {
    for (const auto& skin : Skins()) {
        for (const TsGeneralData& section : skin->Model.GeneralData) {
            for (const TsGradArray* gradient : {&section.Gradient, &section.HotGradient}) {
                if (gradient->empty()) continue;
                int covered = 0;
                for (const TsGradStep& step : *gradient) covered += step.Percent;
                EXPECT_EQ(covered, 100) << skin->Name << " [" << section.SectionName << "]";
            }
        }
    }
}

// The palette reduction must not touch the alpha bands: they hold greys only.
TEST_F(GeneratedSkins, AlphaBandsAreGrey) {
    for (const auto& skin : Skins()) {
        for (const TsMaskData& mask : skin->Model.Masks) {
            if (mask.MaskType < 1 || mask.ImgType == itisaTexture) continue;
            const Bitmap& bitmap = ImageBitmap(skin->Model, mask);
            TRect r = ImageRect(skin->Model, mask);
            int bandTop = r.Top + r.Height() / 2;
            int coloured = 0;
            for (int y = bandTop; y < r.Bottom; ++y) {
                for (int x = r.Left; x < r.Right; ++x) {
                    TColor c = bitmap.Pixel(x, y);
                    coloured += GetRValue(c) != GetGValue(c) || GetGValue(c) != GetBValue(c);
                }
            }
            EXPECT_EQ(coloured, 0) << skin->Name << " " << mask.SectionName << " " << mask.PropertyName;
        }
    }
}

// Between them the internal skins use every stored form of an image, both mask types, frames
// with and without a centre, stretched and tiled, patterns of every kind and fading.
TEST_F(GeneratedSkins, InternalSkinsUseEveryKindOfImage) {
    std::set<char> forms;
    std::set<int> maskTypes;
    bool centre = false, noCentre = false, stretched = false, fadingSteps = false;
    for (std::size_t i = 0; i < InternalTable.size(); ++i) {
        const SkinUnderTest& skin = *Skins()[i];
        for (const TacOptionsSection& section : skin.Options.Sections()) {
            for (const TacOptionsKey& key : section.Keys) {
                if (!key.Value.empty()) forms.insert(key.Value.find(".bmp") != std::string::npos ? 'f' : key.Value[0]);
                fadingSteps = fadingSteps || (key.KeyUpper == "FADINGITERATIONS" && skin.Options.ReadString(section.Name, "FADINGENABLED", "") == "TRUE");
            }
        }
        for (const TsMaskData& mask : skin.Model.Masks) {
            maskTypes.insert(mask.MaskType);
            if (mask.ImgType != itisaBorder) continue;
            centre = centre || (mask.DrawMode & 4) != 0;
            noCentre = noCentre || (mask.DrawMode & 4) == 0;
            stretched = stretched || (mask.MaskType == 0 && (mask.DrawMode & 1) != 0);
        }
    }
    for (char form : {'^', '@', '~', '!', 'f'}) EXPECT_EQ(forms.count(form), 1u) << form;
    EXPECT_EQ(maskTypes, (std::set<int>{0, 1}));
    EXPECT_TRUE(centre && noCentre && stretched && fadingSteps);
    const TsSkinModel& winter = Skins()[5]->Model;
    EXPECT_EQ(winter.PatternIndex(winter.SectionIndex("FORM"), "FORM", "PATTERN"), 0) << "a large JPEG picture pattern";
    const TsSkinModel& wood = Skins()[6]->Model;
    int woodTexture = wood.TextureIndex(wood.SectionIndex("FORM"), "FORM", "PATTERN");
    ASSERT_GE(woodTexture, 0) << "a small JPEG becomes a texture";
    EXPECT_TRUE(wood.Masks[static_cast<std::size_t>(woodTexture)].Bmp != nullptr);
}
