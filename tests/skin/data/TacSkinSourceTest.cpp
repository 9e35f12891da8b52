// Choosing and reading a skin's source: packed file, skin folder or internal skin.
#include "skin/data/TacSkinPacker.h"
#include "skin/data/TacSkinSource.h"
#include "tests/skin/data/SkinTestKit.h"

#include "platform/gfx/ImageFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> Archive(const std::string& options) {
    TacSkinPacker packer;
    packer.Add("Options.dat", options);
    return packer.Pack();
}

TsStoredSkin Stored(const std::string& name, std::vector<std::uint8_t> data) { return {name, std::move(data)}; }

class TacSkinSourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        FRoot = fs::temp_directory_path() / ("tavik-skin-source-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
        fs::remove_all(FRoot);
        FProgram = (FRoot / "bin").string() + "/";
        fs::create_directories(FProgram);
        FInternal.Add(Stored("Neutral2 (internal)", Archive("[FIRST]\n")));
        FInternal.Add(Stored("Desert (internal)", Archive("[DESERT]\n")));
    }
    void TearDown() override { fs::remove_all(FRoot); }

    TacSkinSource Find(const std::string& name) { return FindSkinSource(name, (FRoot / "Skins").string(), FInternal, FProgram); }

    fs::path FRoot;
    std::string FProgram;
    TsStoredSkins FInternal;
};

} // namespace

TEST_F(TacSkinSourceTest, PackedFileWinsOverFolderAndFolderOverInternal) {
    WriteFileBytes((FRoot / "Skins" / "Gold.asz").string(), Archive("[PACKED]\n"));
    WriteFileBytes((FRoot / "Skins" / "Gold" / "Options.dat").string(), BytesOf("[FOLDER]\n"));
    WriteFileBytes((FRoot / "Skins" / "Silver" / "Options.dat").string(), BytesOf("[FOLDER]\n"));
    TacSkinSource gold = Find("Gold");
    EXPECT_EQ(gold.Kind, skPackedFile);
    TsSkinModel model;
    ASSERT_TRUE(LoadSkinFromSource(model, gold, FInternal, {}));
    EXPECT_EQ(model.GeneralData.at(0).SectionName, "PACKED");
    EXPECT_EQ(model.SkinData.SkinPath, "");

    TacSkinSource silver = Find("Silver");
    EXPECT_EQ(silver.Kind, skFolder);
    EXPECT_EQ(silver.FolderPath, (FRoot / "Skins" / "Silver").string() + "/");
    ASSERT_TRUE(LoadSkinFromSource(model, silver, FInternal, {}));
    EXPECT_EQ(model.GeneralData.at(0).SectionName, "FOLDER");
    EXPECT_EQ(model.SkinData.SkinPath, silver.FolderPath);

    TacSkinSource desert = Find("Desert (internal)");
    EXPECT_EQ(desert.Kind, skInternal);
    EXPECT_EQ(desert.InternalIndex, 1);
    ASSERT_TRUE(LoadSkinFromSource(model, desert, FInternal, {}));
    EXPECT_EQ(model.GeneralData.at(0).SectionName, "DESERT");
    EXPECT_FALSE(FInternal[1].Data().empty());
}

TEST_F(TacSkinSourceTest, UnknownNameFallsBackToTheFirstInternalSkinOrToNothing) {
    TacSkinSource unknown = Find("Nowhere");
    EXPECT_EQ(unknown.Kind, skInternal);
    EXPECT_EQ(unknown.InternalIndex, 0);
    EXPECT_EQ(unknown.SkinName, "Neutral2 (internal)");
    // Internal names match exactly, letter case included.
    EXPECT_EQ(Find("desert (internal)").InternalIndex, 0);

    TsStoredSkins none;
    TacSkinSource nothing = FindSkinSource("Nowhere", "Skins", none, FProgram);
    EXPECT_EQ(nothing.Kind, skNone);
    TsSkinModel model;
    EXPECT_FALSE(LoadSkinFromSource(model, nothing, none, {}));
}

TEST_F(TacSkinSourceTest, RejectedArchiveGivesNoSkin) {
    std::vector<std::uint8_t> bad = Archive("[X]\n");
    bad[3] = 'F';
    WriteFileBytes((FRoot / "Skins" / "Bad.asz").string(), bad);
    TWarningRecorder warnings;
    TsSkinModel model;
    model.GeneralData.emplace_back();
    EXPECT_FALSE(LoadSkinFromSource(model, Find("Bad"), FInternal, {}));
    EXPECT_TRUE(model.GeneralData.empty());
    ASSERT_EQ(warnings.Warnings.size(), 1u);
    EXPECT_EQ(warnings.Warnings[0].second, "Loaded data is not a packed skin file");
}

TEST_F(TacSkinSourceTest, FolderSkinFindsFilesWhateverTheirLetterCase) {
    fs::path folder = FRoot / "Skins" / "Wood";
    WriteFileBytes((folder / "Options.dat").string(),
              BytesOf("[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n[BUTTON]\nBORDERSMASK=Frame.bmp\nPATTERN=BG.JPG\n"));
    WriteFileBytes((folder / "Master.bmp").string(), EncodeBmp24(SolidBitmap(40, 40, RGB(1, 2, 3))));
    WriteFileBytes((folder / "frame.bmp").string(), EncodeBmp24(SolidBitmap(9, 6, RGB(4, 5, 6))));
    WriteFileBytes((folder / "Bg.jpg").string(), SolidJpeg(16, 16, RGB(200, 0, 0)));
    WriteFileBytes((FRoot / "extra" / "Extra.bmp").string(), EncodeBmp24(SolidBitmap(9, 6, RGB(7, 8, 9))));
    TacSkinOptions common("[BUTTON]\nHOTPATTERN=" + (FRoot / "extra" / "Extra.bmp").string() + "\n");
    TsSkinModel model;
    std::vector<std::string> problems;
    TacSkinBuildSettings settings;
    settings.CommonSections = &common;
    ASSERT_TRUE(LoadSkinFromSource(model, Find("Wood"), FInternal, settings, &problems));
    EXPECT_TRUE(problems.empty()) << problems.front();
    EXPECT_EQ(model.MasterBitmap.Size(), (TSize{40, 40}));
    EXPECT_GE(model.MaskIndexExact("BUTTON", "BORDERSMASK"), 0);
    EXPECT_GE(model.MaskIndexExact("BUTTON", "PATTERN"), 0);
    EXPECT_GE(model.MaskIndexExact("BUTTON", "HOTPATTERN"), 0);
}

namespace {

// A 1-bit bitmap of 16384 x 16384 pixels: 32 MB in the archive (a few KB packed), 768 MB decoded.
std::vector<std::uint8_t> HugeOneBitBitmap() {
    const std::uint32_t side = 16384, rowBytes = side / 8, offset = 14 + 40 + 8;
    std::vector<std::uint8_t> bmp(offset + static_cast<std::size_t>(rowBytes) * side, 0);
    auto put32 = [&](std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            bmp[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, static_cast<std::uint32_t>(bmp.size()));
    put32(10, offset);
    put32(14, 40);
    put32(18, side);
    put32(22, side);
    bmp[26] = 1;           // planes
    bmp[28] = 1;           // bits per pixel
    put32(58, 0x00FFFFFF); // palette: black, white
    return bmp;
}

} // namespace

TEST_F(TacSkinSourceTest, ImagesTooLargeForMemoryEndTheLoadWithAWarning) {
    if (BuiltWithAddressSanitizer()) GTEST_SKIP() << "the sanitizer's shadow memory needs more address space";
    TacSkinPacker packer;
    packer.Add("Options.dat", std::string("[GLOBALINFO]\nMASTERBITMAP=HUGE.BMP\n[BUTTON]\nCOLOR=1\n"));
    packer.Add("Huge.bmp", HugeOneBitBitmap());
    WriteFileBytes((FRoot / "Skins" / "Huge.asz").string(), packer.Pack());
    const TacSkinSource source = Find("Huge");
    ASSERT_EQ(source.Kind, skPackedFile);
    const int outcome = RunUnderMemoryLimit(256u * 1024 * 1024, [&] {
        TWarningRecorder warnings;
        TsSkinModel model;
        const bool loaded = LoadSkinFromSource(model, source, FInternal, {});
        return !loaded && model.GeneralData.empty() && warnings.Warnings.size() == 1 &&
               warnings.Warnings[0].second.find("not enough memory") != std::string::npos;
    });
    EXPECT_EQ(outcome, 0);
}
