// Building whole skins from archives: images, JPEGs, bad files, lookups and re-colouring.
#include "skin/data/HueSaturation.h"
#include "skin/data/TacCachedIndexes.h"
#include "skin/data/TacSkinConvertor.h"
#include "skin/data/TacSkinLoader.h"
#include "skin/data/TacSkinPacker.h"
#include "tests/skin/data/SkinTestKit.h"

#include "platform/gfx/ImageFiles.h"

#include <gtest/gtest.h>

namespace {

const TColor Orange = RGB(200, 100, 0);

Bitmap MasterPicture() {
    Bitmap master = SolidBitmap(300, 200, Orange);
    master.SetPixel(0, 0, clFuchsia);
    master.SetPixel(1, 0, RGB(90, 90, 90));
    return master;
}

struct TSkin {
    TsSkinModel Model;
    std::vector<std::string> Problems;
    TWarningRecorder Warnings;

    void Build(const std::vector<std::uint8_t>& archive, TacSkinBuildSettings settings = {}) {
        TacSkinConvertor convertor;
        convertor.BorrowSource(archive);
        convertor.ReadPackedData();
        TacSkinOptions options(convertor.Options());
        BuildSkin(Model, options, TacSkinImageSource::FromArchive(&convertor), settings, &Problems);
    }
    const TsMaskData& Mask(const std::string& section, const std::string& key) const {
        int index = Model.MaskIndexExact(section, key);
        EXPECT_GE(index, 0) << section << "/" << key;
        return Model.Masks.at(static_cast<std::size_t>(index < 0 ? 0 : index));
    }
};

std::vector<std::uint8_t> ImageSkin() {
    TacSkinPacker packer;
    packer.Add("Options.dat", std::string(
        "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\nCOLOR=-16777201\nBOXCHECKED=@0000@0000@0048@0016@3@0\n"
        "[BUTTON]\nBORDERSMASK=^0270^0021^0297^0039^0000^0000^0000^0000^3^1^5^0\nHOTPATTERN=!BTN.BMP!3!1!1\n"
        "GLYPHMASK=!BTN.BMP!3!1!2\nCOLOR=123\n"
        "[PANEL]\nBORDERSMASK=Frame.bmp\nOUTSIDE=^0290^0021^0310^0039^0000^0000^0000^0000^3^1^5^0\n"
        "INVERTED=^0297^0021^0270^0039^0000^0000^0000^0000^3^1^5^0\n"
        "EMPTY=@0010@0010@0010@0030@1@0\n"
        "BROKEN=@01x7@0154@0195@0190@3@1\nGHOST=!MISSING.BMP!3!1!0\nFAKE=!FAKE.BMP!3!1!0\nPATTERN=SMALL.JPG\n"
        "[FORM]\nPATTERN=big.jpeg\nIMGTOPLEFT=#M (0,0,10,10) (1,0)\n"));
    packer.Add("Master.bmp", EncodeBmp8(MasterPicture()));
    packer.Add("Btn.bmp", EncodeBmp24(SolidBitmap(90, 60, RGB(255, 0, 0))));
    packer.Add("frame.BMP", EncodeBmp24(SolidBitmap(45, 36, RGB(0, 0, 255))));
    packer.Add("FAKE.BMP", BytesOf("this is not a bitmap at all"));
    packer.Add("small.jpg", SolidJpeg(240, 240, RGB(0, 200, 0)));
    packer.Add("BIG.JPEG", SolidJpeg(300, 300, RGB(0, 0, 200)));
    return packer.Pack();
}

} // namespace

TEST(TacSkinLoader, EveryImageFormBecomesAnEntryAndBadOnesAreSkipped) {
    TSkin skin;
    skin.Build(ImageSkin());
    EXPECT_EQ(skin.Model.MasterBitmap.Size(), (TSize{300, 200}));
    EXPECT_EQ(skin.Model.MasterBitmap.Format(), TPixelFormat::pf24bit);
    EXPECT_EQ(skin.Model.MasterBitmap.Pixel(5, 5), Orange);

    const TsMaskData& borders = skin.Mask("BUTTON", "BORDERSMASK");
    EXPECT_EQ(borders.Bmp, nullptr);
    EXPECT_EQ(borders.Manager, &skin.Model);
    const TsMaskData& texture = skin.Mask("BUTTON", "HOTPATTERN");
    ASSERT_NE(texture.Bmp, nullptr);
    EXPECT_EQ(texture.ImgType, itisaTexture);
    EXPECT_EQ(texture.R, (TRect{0, 0, 90, 60}));
    const TsMaskData& plain = skin.Mask("PANEL", "BORDERSMASK");
    ASSERT_NE(plain.Bmp, nullptr);
    EXPECT_EQ(plain.Bmp->Pixel(3, 3), RGB(0, 0, 255));
    EXPECT_EQ(plain.WL, 5);
    EXPECT_EQ(plain.WT, 6);
    EXPECT_GE(skin.Model.MaskIndexExact("FORM", "IMGTOPLEFT"), 0);

    auto reported = [&](const std::string& key, const std::string& what) {
        for (const std::string& p : skin.Problems) {
            if (p.find(key) != std::string::npos && p.find(what) != std::string::npos) return true;
        }
        return false;
    };
    for (const char* key : {"BROKEN", "GHOST", "FAKE"}) {
        EXPECT_EQ(skin.Model.MaskIndexExact("PANEL", key), -1) << key;
        EXPECT_TRUE(reported(key, "")) << key;
    }
    // Rectangles that show nothing or reach past the master are still entries, and reported.
    EXPECT_EQ(skin.Mask("PANEL", "OUTSIDE").R, (TRect{290, 21, 310, 39}));
    EXPECT_TRUE(reported("OUTSIDE", "past the 300 x 200 master bitmap"));
    EXPECT_EQ(skin.Mask("PANEL", "INVERTED").R, (TRect{297, 21, 270, 39}));
    EXPECT_TRUE(reported("INVERTED", "empty or inverted"));
    EXPECT_EQ(skin.Mask("PANEL", "EMPTY").R, (TRect{10, 10, 10, 30}));
    EXPECT_TRUE(reported("EMPTY", "empty or inverted"));
    // The rest of the skin is there all the same.
    EXPECT_EQ(skin.Model.GeneralData.size(), 4u);
    EXPECT_EQ(skin.Model.GeneralData[1].Color, 123);
}

TEST(TacSkinLoader, SmallJpegIsATextureLargeOneAPattern) {
    TSkin skin;
    skin.Build(ImageSkin());
    const TsMaskData& small = skin.Mask("PANEL", "PATTERN");
    ASSERT_NE(small.Bmp, nullptr);
    EXPECT_EQ(small.Bmp->Size(), (TSize{240, 240}));
    EXPECT_EQ(small.ImgType, itisaTexture);
    EXPECT_TRUE(small.R.IsEmpty());
    ASSERT_EQ(skin.Model.Patterns.size(), 1u);
    EXPECT_EQ(skin.Model.Patterns[0].Img.Size(), (TSize{300, 300}));
    EXPECT_EQ(skin.Model.Patterns[0].SectionName, "FORM");
    EXPECT_EQ(skin.Model.PatternIndex(skin.Model.SectionIndex("FORM"), "FORM", "PATTERN"), 0);
    EXPECT_EQ(skin.Model.TextureIndex(skin.Model.SectionIndex("PANEL"), "PANEL", "PATTERN"),
              skin.Model.MaskIndexExact("PANEL", "PATTERN"));
}

TEST(TacSkinLoader, HueAndSaturationRecolourAllButPatternsKeyAndGrey) {
    TSkin plain, turned;
    plain.Build(ImageSkin());
    turned.Build(ImageSkin(), {"", nullptr, 120, 50});
    auto both = [](TColor c) { return ShiftSaturation(ShiftHue(c, 120), -50); };
    EXPECT_EQ(turned.Model.MasterBitmap.Pixel(5, 5), both(Orange));
    EXPECT_EQ(turned.Model.MasterBitmap.Pixel(0, 0), clFuchsia);
    EXPECT_EQ(turned.Model.MasterBitmap.Pixel(1, 0), RGB(90, 90, 90));
    EXPECT_EQ(turned.Mask("BUTTON", "HOTPATTERN").Bmp->Pixel(0, 0), both(RGB(255, 0, 0)));
    EXPECT_EQ(turned.Mask("PANEL", "PATTERN").Bmp->Pixel(10, 10), both(plain.Mask("PANEL", "PATTERN").Bmp->Pixel(10, 10)));
    EXPECT_EQ(turned.Model.Patterns[0].Img, plain.Model.Patterns[0].Img);
    const TsGeneralData& button = turned.Model.GeneralData[1];
    EXPECT_EQ(button.Color, both(123));
    EXPECT_EQ(button.FontColor[1], -1);
    EXPECT_EQ(turned.Model.GeneralData[0].Color, both(GetSysColor(COLOR_BTNFACE)));

    // Each load starts from the skin's own colours, so going back to 0 restores them exactly.
    TSkin back;
    back.Build(ImageSkin(), {"", nullptr, 0, 0});
    EXPECT_EQ(back.Model.MasterBitmap, plain.Model.MasterBitmap);
    EXPECT_EQ(back.Model.GeneralData[1].Color, 123);
}

TEST(TacSkinLoader, SectionColoursShadowAndGradientsAreRecoloured) {
    TacSkinPacker packer;
    packer.Add("Options.dat", std::string("[GLOBALINFO]\nSHADOW1COLOR=255\nBORDERCOLOR=65280\n"
                                          "[A]\nGRADIENTDATA=255;65280;50;0;0\nHOTGRADIENTDATA=16711680;255;50;0;0\n"
                                          "FONTCOLOR=255\nTCTOP=255\nHOTTCLEFT=-1\n"));
    TSkin skin;
    skin.Build(packer.Pack(), {"", nullptr, 120, 0});
    EXPECT_EQ(skin.Model.SkinData.Shadow1Color, RGB(0, 255, 0));
    EXPECT_EQ(skin.Model.SkinData.BorderColor, RGB(0, 0, 255));
    const TsGeneralData& a = skin.Model.GeneralData[1];
    EXPECT_EQ(a.Gradient[0].Color1, RGB(0, 255, 0));
    EXPECT_EQ(a.Gradient[0].Color2, RGB(0, 0, 255));
    EXPECT_EQ(a.HotGradient[0].Color1, RGB(255, 0, 0));
    EXPECT_EQ(a.FontColor[0], RGB(0, 255, 0));
    EXPECT_EQ(a.FontColor[2], RGB(0, 255, 0));
    EXPECT_EQ(a.FontColor[1], -1);
    EXPECT_EQ(a.HotFontColor[1], -1);
}

TEST(TsSkinModel, LookupsFollowParentClassAndStopOnLoops) {
    TacSkinPacker packer;
    packer.Add("Options.dat", std::string(
        "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n"
        "[SPEEDBUTTON]\nBORDERSMASK=@0000@0000@0030@0030@3@0\n"
        "[SPEEDBUTTON_SMALL]\nPARENTCLASS=SPEEDBUTTON\nBORDERSMASK=@0030@0000@0060@0030@3@0\n"
        "[SPLITTER]\nPARENTCLASS=SPEEDBUTTON_SMALL\nPATTERN=~0000~0030~0030~0060~00\n"
        "[A]\nPARENTCLASS=B\n[B]\nPARENTCLASS=A\n[Mixed]\nGLYPHMASK=@0000@0000@0030@0030@3@0\n"));
    packer.Add("MASTER.BMP", EncodeBmp24(MasterPicture()));
    TSkin skin;
    skin.Build(packer.Pack());
    const TsSkinModel& m = skin.Model;
    int splitter = m.SectionIndex("SPLITTER");
    EXPECT_EQ(m.MaskIndex(splitter, "SPLITTER", "BORDERSMASK"), m.MaskIndexExact("SPEEDBUTTON_SMALL", "BORDERSMASK"));
    EXPECT_EQ(m.MaskIndexExact("SPLITTER", "BORDERSMASK"), -1);
    EXPECT_EQ(m.TextureIndex(splitter, "SPLITTER", "PATTERN"), m.MaskIndexExact("SPLITTER", "PATTERN"));
    EXPECT_EQ(m.TextureIndex(splitter, "SPLITTER", "BORDERSMASK"), -1);
    EXPECT_EQ(m.MaskIndex(m.SectionIndex("A"), "A", "BORDERSMASK"), -1);
    EXPECT_EQ(m.MaskIndex(-1, "SPEEDBUTTON", "BORDERSMASK"), -1);
    EXPECT_EQ(m.MaskIndex(splitter, "", "BORDERSMASK"), -1);
    EXPECT_EQ(m.PatternIndex(splitter, "SPLITTER", "PATTERN"), -1);
    EXPECT_EQ(m.SectionIndex("MIXED"), -1);
    EXPECT_GE(m.SectionIndex("Mixed"), 0);
    EXPECT_EQ(m.GlobalColor(), 0xFFFFFF);
    EXPECT_EQ(m.GlobalFontColor(), 0);

    TsSkinModel none;
    EXPECT_EQ(none.GlobalColor(), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(none.GlobalFontColor(), clFuchsia);
    EXPECT_EQ(none.GlobalHotColor(), GetSysColor(COLOR_WINDOW));
}

TEST(TacCachedIndexes, FoundWithASkinAndAllAbsentWithout) {
    TSkin skin;
    skin.Build(ImageSkin());
    TacCachedIndexes indexes;
    indexes.Compute(skin.Model);
    EXPECT_EQ(indexes.GlobalInfo, 0);
    EXPECT_EQ(indexes.BoxChecked, skin.Model.MaskIndexExact("GLOBALINFO", "BOXCHECKED"));
    EXPECT_EQ(indexes.RadioChecked, -1);
    EXPECT_EQ(indexes.TabTop.Section, -1);
    TsSkinModel empty;
    indexes.Compute(empty);
    EXPECT_EQ(indexes.GlobalInfo, -1);
    EXPECT_EQ(indexes.BoxChecked, -1);
    skin.Model.Clear();
    EXPECT_TRUE(skin.Model.Masks.empty());
    EXPECT_TRUE(skin.Model.MasterBitmap.Empty());
    EXPECT_TRUE(skin.Model.GeneralData.empty());
}

TEST(TacSkinLoader, HostileOptionTextsBuildWithoutRunningAway) {
    // One section of 200 000 keys, and a PARENTCLASS chain of 5 000 sections.
    std::string text = "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n[WIDE]\n";
    for (int i = 0; i < 200000; ++i) text += "K" + std::to_string(i) + "=@0000@0000@0010@0010@1@0\n";
    for (int i = 0; i < 5000; ++i) {
        text += "[S" + std::to_string(i) + "]\nPARENTCLASS=S" + std::to_string(i + 1) + "\n";
        if (i == 40) text += "COLOR=7\nGLYPHMASK=@0000@0000@0010@0010@1@0\n";
    }
    TacSkinPacker packer;
    packer.Add("Options.dat", text);
    packer.Add("Master.bmp", EncodeBmp24(SolidBitmap(16, 16, Orange)));
    TSkin skin;
    skin.Build(packer.Pack());
    EXPECT_EQ(skin.Model.Masks.size(), 200001u);
    const TsSkinModel& m = skin.Model;
    // Chains are followed a bounded number of sections deep.
    EXPECT_EQ(m.GeneralData[static_cast<std::size_t>(m.SectionIndex("S10"))].Color, 7);
    EXPECT_EQ(m.GeneralData[static_cast<std::size_t>(m.SectionIndex("S0"))].Color, 0xFFFFFF);
    EXPECT_GE(m.MaskIndex(m.SectionIndex("S10"), "S10", "GLYPHMASK"), 0);
    EXPECT_EQ(m.MaskIndex(m.SectionIndex("S0"), "S0", "GLYPHMASK"), -1);
}
