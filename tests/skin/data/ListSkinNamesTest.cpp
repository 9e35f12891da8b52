// Listing the available skins: internal skins, skin folders and packed skin files, by mode.
#include "skin/data/TsSkinManager.h"
#include "tests/skin/data/SkinTestKit.h"

#include "framework/TStringList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

void Touch(const fs::path& path) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "[GLOBALINFO]\n";
}

std::vector<std::string> Strings(const TStrings& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.Count(); ++i) out.push_back(list[i]);
    return out;
}

class ListSkinNamesTest : public ::testing::Test {
protected:
    void SetUp() override {
        FSkins = fs::temp_directory_path() / ("tavik-list-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
        fs::remove_all(FSkins);
        Touch(FSkins / "Gold" / "Options.dat");
        fs::create_directories(FSkins / "Empty");
        Touch(FSkins / "Silver.asz");
        Touch(FSkins / "Copper.ASZ");
        Touch(FSkins / "Blue.Steel.asz");
        Touch(FSkins / ".Hidden.asz");
        Touch(FSkins / ".Secret" / "Options.dat");
        Touch(FSkins / "Notes.txt");
        Touch(FSkins / "lower" / "options.DAT");
        FManager.SetActive(false);
        FManager.SetSkinDirectory(FSkins.string());
        for (const char* name : {"Neutral2 (internal)", "Desert (internal)", "BlueIce (internal)"}) {
            FManager.InternalSkins().Add(TsStoredSkin(name, {}));
        }
    }
    void TearDown() override { fs::remove_all(FSkins); }

    std::vector<std::string> List(TacSkinListMode mode, std::string& first) {
        TStringList list;
        list.Add("left over");
        FManager.ListSkinNames(list, mode, first);
        return Strings(list);
    }

    fs::path FSkins;
    TsSkinManager FManager{nullptr};
};

} // namespace

TEST_F(ListSkinNamesTest, AllSourcesSortedWithoutRegardToCase) {
    std::string first = "left over";
    EXPECT_EQ(List(slAll, first), (std::vector<std::string>{"Blue.Steel", "BlueIce (internal)", "Desert (internal)",
                                                            "Gold", "lower", "Neutral2 (internal)", "Silver"}));
    EXPECT_EQ(first, "Neutral2 (internal)");
}

TEST_F(ListSkinNamesTest, FoldersOnlyOrPackedFilesOnly) {
    std::string first;
    EXPECT_EQ(List(slFolders, first), (std::vector<std::string>{"BlueIce (internal)", "Desert (internal)", "Gold", "lower",
                                                                "Neutral2 (internal)"}));
    EXPECT_EQ(List(slPackedFiles, first), (std::vector<std::string>{"Blue.Steel", "BlueIce (internal)", "Desert (internal)",
                                                                    "Neutral2 (internal)", "Silver"}));
}

TEST_F(ListSkinNamesTest, WithoutInternalSkinsTheFirstNameFoundLeads) {
    FManager.InternalSkins().Clear();
    fs::remove_all(FSkins / "Gold");
    fs::remove_all(FSkins / "lower");
    std::string first;
    EXPECT_EQ(List(slFolders, first), std::vector<std::string>{});
    EXPECT_EQ(first, "");
    fs::remove(FSkins / "Blue.Steel.asz");
    EXPECT_EQ(List(slAll, first), std::vector<std::string>{"Silver"});
    EXPECT_EQ(first, "Silver");
}

TEST_F(ListSkinNamesTest, AFolderAndAFileOfOneNameAreListedOnceAndAMissingDirectoryListsTheInternalSkins) {
    Touch(FSkins / "Gold.asz");
    std::string first;
    std::vector<std::string> names = List(slAll, first);
    EXPECT_EQ(std::count(names.begin(), names.end(), "Gold"), 1);

    FManager.SetSkinDirectory((FSkins / "nowhere").string());
    EXPECT_EQ(List(slAll, first), (std::vector<std::string>{"BlueIce (internal)", "Desert (internal)", "Neutral2 (internal)"}));
}
