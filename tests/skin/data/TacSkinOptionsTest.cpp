// The options text grammar, number values and gradient texts.
#include "skin/data/SkinText.h"
#include "skin/data/TacSkinOptions.h"
#include "skin/data/TsGradArray.h"
#include "skin/data/HueSaturation.h"
#include "skin/data/TacSkinConvertor.h"
#include "skin/data/TacSkinLoader.h"
#include "skin/data/TacSkinPacker.h"
#include "tests/skin/data/SkinTestKit.h"

#include "platform/gfx/ImageFiles.h"

#include <gtest/gtest.h>

#include <random>

TEST(TacSkinOptions, ReadsSectionsKeysAndValuesAsIniText) {
    TacSkinOptions options(
        "KEY=before any section\r\n"
        "  [ Button ]  \r\n"
        "; COLOR=1\r\n"
        "\tColor = 123 \r\n"
        "GRADIENTDATA=1;2;3;4;5=6\n"
        "no equals sign here\n"
        "color=999\r"
        "[PANEL]\n"
        "EMPTY=\n"
        "[BUTTON]\n"
        "COLOR=555\n"
        "SHADOWBLUR=7\n");
    ASSERT_EQ(options.Sections().size(), 3u);
    EXPECT_EQ(options.Sections()[0].Name, "Button");
    EXPECT_EQ(options.Sections()[2].Name, "BUTTON");
    EXPECT_EQ(options.FindSection("button"), 0);
    EXPECT_EQ(options.FindSection("Panel"), 1);
    EXPECT_EQ(options.FindSection("KEY"), -1);
    EXPECT_EQ(options.ReadString("BUTTON", "COLOR", "x"), "123");
    EXPECT_EQ(options.ReadString("button", "gradientdata", "x"), "1;2;3;4;5=6");
    // The first section of a name wins: the second BUTTON's keys are not seen by lookups.
    EXPECT_EQ(options.ReadString("BUTTON", "SHADOWBLUR", "none"), "none");
    EXPECT_EQ(options.ReadString("PANEL", "EMPTY", "x"), "");
    EXPECT_EQ(options.ReadString("PANEL", "MISSING", "x"), "x");
    ASSERT_EQ(options.Sections()[0].Keys.size(), 4u);
    EXPECT_EQ(options.Sections()[0].Keys[3].Key, "color");
}

TEST(TacSkinOptions, LineWithoutEqualsSignIsAKeyWithNoValue) {
    const std::string text =
        "LOOSE LINE BEFORE ANY SECTION\n"
        "[A]\n"
        "  BORDERSMASK  \n"
        "BORDERSMASK=@0000@0000@0010@0010@1@0\n"
        "COLOR\n"
        "COLOR=255\n"
        "GLYPHMASK=@0000@0000@0010@0010@1@0\n"
        "PARENTCLASS=B\n"
        "[B]\n"
        "COLOR=77\n";
    TacSkinOptions options(text);
    ASSERT_EQ(options.Sections().size(), 2u);
    ASSERT_EQ(options.Sections()[0].Keys.size(), 6u);
    EXPECT_EQ(options.Sections()[0].Keys[0].Key, "BORDERSMASK");
    ASSERT_NE(options.FindValue("A", "BORDERSMASK"), nullptr);
    EXPECT_EQ(*options.FindValue("A", "BORDERSMASK"), "");
    EXPECT_EQ(options.ReadString("A", "COLOR", "x"), "");

    TacSkinPacker packer;
    packer.Add("Master.bmp", EncodeBmp24(SolidBitmap(16, 16, clRed)));
    const std::vector<std::uint8_t> archive = packer.Pack();
    TacSkinConvertor images;
    images.BorrowSource(archive);
    images.ReadPackedData();
    TacSkinOptions withMaster("[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n" + text);
    TsSkinModel model;
    BuildSkin(model, withMaster, TacSkinImageSource::FromArchive(&images), {});
    // The empty first key hides the image and the colour below it: no image entry, and the
    // colour comes from the parent as for a key that gives no number.
    EXPECT_EQ(model.MaskIndexExact("A", "BORDERSMASK"), -1);
    EXPECT_GE(model.MaskIndexExact("A", "GLYPHMASK"), 0);
    EXPECT_EQ(model.GeneralData.at(1).Color, 77);
}

TEST(TacSkinOptions, MegabytesOfGarbageParseWithoutTrouble) {
    std::mt19937 random(7);
    std::string text;
    text.reserve(5 * 1024 * 1024 + 64);
    while (text.size() < 5u * 1024 * 1024) {
        char c = static_cast<char>(random() % 256);
        text += (random() % 50 == 0) ? '[' : (random() % 60 == 0 ? '\n' : c);
    }
    text += "\n[TAIL]\nCOLOR=42\n";
    TacSkinOptions options(text);
    EXPECT_EQ(options.ReadString("TAIL", "COLOR", ""), "42");
    EXPECT_LT(options.Sections().size(), text.size() / 2);
    TsSkinModel model;
    TacSkinConvertor noImages;
    BuildSkin(model, options, TacSkinImageSource::FromArchive(&noImages), {"", &options, 33, 40});
    EXPECT_EQ(model.GeneralData.size(), options.Sections().size());
    EXPECT_EQ(model.GeneralData[static_cast<std::size_t>(model.SectionIndex("TAIL"))].Color, ShiftSaturation(ShiftHue(42, 33), -40));
}

TEST(SkinText, IntegersInDecimalAndHexadecimal) {
    struct TCase {
        const char* Text;
        bool Valid;
        int Value;
    } cases[] = {
        {"13495541", true, 13495541}, {"-16777201", true, -16777201}, {"+5", true, 5},
        {"$FF00FF", true, 0xFF00FF},  {"0x1f", true, 31},             {"$FFFFFFFF", true, -1},
        {"-$10", true, -16},          {"2147483647", true, 2147483647}, {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0},     {"$100000000", false, 0},       {"", false, 0},
        {"-", false, 0},              {"12a", false, 0},              {"0x", false, 0},
        {"1 2", false, 0},            {"N/A", false, 0},              {"TRUE", false, 0},
    };
    for (const TCase& c : cases) {
        int value = 0;
        EXPECT_EQ(TryParseSkinInt(c.Text, value), c.Valid) << c.Text;
        if (c.Valid) {
            EXPECT_EQ(value, c.Value) << c.Text;
        }
    }
    double version = 0;
    EXPECT_TRUE(TryParseSkinFloat("5.41", version));
    EXPECT_DOUBLE_EQ(version, 5.41);
    EXPECT_FALSE(TryParseSkinFloat("5,41", version));
    EXPECT_FALSE(TryParseSkinFloat("nan", version));
}

TEST(SkinText, WordsTrimmingAndCase) {
    std::vector<std::string_view> words = SplitWords(";;a;;b c;", ";");
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(words[1], "b c");
    EXPECT_TRUE(SplitWords(" ", " ").empty());
    EXPECT_EQ(TrimBlanks("\t x y \r"), "x y");
    EXPECT_TRUE(SameTextAscii("Options.dat", "OPTIONS.DAT"));
    EXPECT_FALSE(SameTextAscii("Options.da", "OPTIONS.DAT"));
    // Bytes above 127 are left alone: only ASCII letters fold.
    EXPECT_EQ(UpperCaseAscii("m\xe0ster.bmp"), "M\xe0STER.BMP");
}

TEST(SkinText, CommonSectionsLoseTheirBlanksExceptInComments) {
    EXPECT_EQ(PrepareCommonSections("[ MY BUTTON ]\n; keep  this\nCOLOR = 1 2\n\n\tX=\ta b"),
              "[MYBUTTON]\n; keep  this\nCOLOR=12\n\nX=ab");
}

TEST(TsGradArray, FiveNumbersPerStepAndTheRestIgnored) {
    TsGradArray steps = ParseGradientData("7754286;16777215;9;0;0;16777215;9661497;17;0;0");
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0], (TsGradStep{7754286, 16777215, 9, 0}));
    EXPECT_EQ(steps[1], (TsGradStep{16777215, 9661497, 17, 0}));
    EXPECT_EQ(ParseGradientData("1;;2;;3;4;5;6;7").size(), 1u);
    EXPECT_TRUE(ParseGradientData("").empty());
    EXPECT_TRUE(ParseGradientData(" ").empty());
    EXPECT_TRUE(ParseGradientData("1;2;3;4").empty());
    TsGradArray limited = ParseGradientData("1;2;250;1;0;1;2;-4;2;0;x;y;z;0;0");
    ASSERT_EQ(limited.size(), 3u);
    EXPECT_EQ(limited[0].Percent, 100);
    EXPECT_EQ(limited[0].Mode, 1);
    EXPECT_EQ(limited[1].Percent, 0);
    EXPECT_EQ(limited[2], (TsGradStep{0, 0, 0, 0}));
}
