// The skin manager: loading by name with its fallbacks, switching on and off, hue and
// saturation, the flags and events of a change, the window hook and the hot window.
#include "skin/data/SkinBroadcast.h"
#include "skin/data/TacWindowHook.h"
#include "skin/data/TsSkinManager.h"
#include "tests/framework/FormTestFixture.h"
#include "tests/skin/data/SkinRecorders.h"
#include "tests/skin/data/SkinTestKit.h"

#include "framework/TPanel.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// The section names of a skin model, in order.
std::vector<std::string> Sections(const TsSkinManager& manager) {
    std::vector<std::string> names;
    for (const TsGeneralData& section : manager.Model().GeneralData) names.push_back(section.SectionName);
    return names;
}

class SkinManagerTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        FSkins = fs::temp_directory_path() / ("tavik-manager-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                              "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(FSkins);
        fs::create_directories(FSkins);
        FForm = new TForm(Application);
        FPanel = new TPanel(FForm);
        FPanel->SetParent(FForm);
        FRecorder = std::make_unique<TSkinRecorder>(*FPanel, true);
    }
    void TearDown() override {
        FRecorder.reset();
        fs::remove_all(FSkins);
        FormTest::TearDown();
    }

    // An inactive manager over the test's skins folder with the given internal skins.
    std::unique_ptr<TsSkinManager> Manager(std::vector<std::string> internalSections = {"NEUTRAL", "DESERT"},
                                           TColor color = RGB(255, 0, 0)) {
        auto manager = std::make_unique<TsSkinManager>(nullptr);
        manager->SetActive(false);
        manager->SetSkinDirectory(FSkins.string());
        const char* names[] = {"Neutral2 (internal)", "Desert (internal)", "Wood (internal)"};
        for (std::size_t i = 0; i < internalSections.size(); ++i) {
            manager->InternalSkins().Add(TsStoredSkin(names[i], TinySkinArchive(internalSections[i], color)));
        }
        FRecorder->Seen.clear();
        return manager;
    }

    fs::path FSkins;
    TForm* FForm = nullptr;
    TPanel* FPanel = nullptr;
    std::unique_ptr<TSkinRecorder> FRecorder;
};

// A hook that only records being put in and taken out.
class TRecordingHook : public TacWindowHook {
public:
    explicit TRecordingHook(std::vector<std::string>& log) : FLog(log) {}
    void Install() override { FLog.push_back("install"); }
    void Remove() override { FLog.push_back("remove"); }

private:
    std::vector<std::string>& FLog;
};

} // namespace

TEST_F(SkinManagerTest, InactiveManagerOnlyStoresTheNameAndLoadsItWhenSwitchedOn) {
    auto manager = Manager();
    manager->SetSkinName("Desert (internal)");
    EXPECT_TRUE(manager->Model().GeneralData.empty());
    EXPECT_TRUE(FRecorder->Seen.empty());
    EXPECT_EQ(manager->SkinInfo(), "N/A");

    manager->SetActive(true);
    EXPECT_EQ(Sections(*manager), (std::vector<std::string>{"GLOBALINFO", "DESERT"}));
    EXPECT_EQ(manager->SkinInfo(), "5.41");
    EXPECT_TRUE(manager->Model().SkinData.Active);
    EXPECT_EQ(manager->CachedIndexes().GlobalInfo, 0);

    manager->SetActive(false);
    EXPECT_EQ(manager->SkinInfo(), "N/A");
    EXPECT_TRUE(manager->Model().GeneralData.empty());
    EXPECT_EQ(manager->CachedIndexes().GlobalInfo, -1);
    EXPECT_EQ(manager->SkinName(), "Desert (internal)");
}

TEST_F(SkinManagerTest, AnUnknownNameGivesTheFirstInternalSkinAndNoInternalSkinsSwitchTheManagerOff) {
    auto manager = Manager();
    manager->SetSkinName("Nowhere");
    manager->SetActive(true);
    EXPECT_EQ(manager->SkinName(), "Neutral2 (internal)");
    EXPECT_EQ(Sections(*manager), (std::vector<std::string>{"GLOBALINFO", "NEUTRAL"}));

    auto empty = Manager({});
    empty->SetSkinName("Nowhere");
    empty->SetActive(true);
    EXPECT_FALSE(empty->Active());
    EXPECT_TRUE(empty->Model().GeneralData.empty());
    EXPECT_EQ(empty->SkinInfo(), "N/A");
    // The windows are told the skin is gone.
    ASSERT_FALSE(FRecorder->Commands().empty());
    EXPECT_EQ(FRecorder->Commands().back(), scRemoveSkin);
    EXPECT_EQ(FRecorder->Seen.back().Manager, reinterpret_cast<LPARAM>(empty.get()));
}

TEST_F(SkinManagerTest, APackedFileWinsOverAFolderOfTheSameName) {
    WriteFileBytes((FSkins / "Gold.asz").string(), TinySkinArchive("PACKED", RGB(1, 2, 3)));
    WriteFileBytes((FSkins / "Gold" / "Options.dat").string(), BytesOf("[GLOBALINFO]\nVERSION=1.5\n[FOLDER]\n"));
    WriteFileBytes((FSkins / "Silver" / "Options.dat").string(), BytesOf("[GLOBALINFO]\nVERSION=1.5\n[FOLDER]\n"));
    auto manager = Manager();
    manager->SetActive(true);
    manager->SetSkinName("Gold");
    EXPECT_EQ(Sections(*manager), (std::vector<std::string>{"GLOBALINFO", "PACKED"}));
    EXPECT_EQ(manager->SkinName(), "Gold");
    manager->SetSkinName("Silver");
    EXPECT_EQ(Sections(*manager), (std::vector<std::string>{"GLOBALINFO", "FOLDER"}));
    EXPECT_EQ(manager->SkinInfo(), "1.5");
}

TEST_F(SkinManagerTest, ARejectedArchiveIsReportedAndPassedOverLikeAnUnknownName) {
    std::vector<std::uint8_t> bad = TinySkinArchive("BAD", RGB(1, 2, 3));
    bad[0] = 'X';
    WriteFileBytes((FSkins / "Broken.asz").string(), bad);
    auto manager = Manager();
    manager->SetActive(true);
    Boxes.clear();
    manager->SetSkinName("Broken");
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Caption, "Warning");
    EXPECT_EQ(Boxes[0].Text, "Loaded data is not a packed skin file");
    EXPECT_EQ(Boxes[0].Flags, MB_OK | MB_ICONWARNING);
    EXPECT_EQ(manager->SkinName(), "Neutral2 (internal)");
    EXPECT_EQ(Sections(*manager), (std::vector<std::string>{"GLOBALINFO", "NEUTRAL"}));
    // The fallback sticks: a hue change reloads the internal skin, with no second warning.
    manager->SetHueOffset(30);
    EXPECT_EQ(Boxes.size(), 1u);
}

TEST_F(SkinManagerTest, SettingAValueAgainDoesNothingButTheSameNameReappliesTheSkin) {
    auto manager = Manager();
    manager->SetSkinName("Desert (internal)");
    manager->SetActive(true);
    const std::size_t afterApply = FRecorder->Commands().size();
    EXPECT_EQ(afterApply, 3u);
    manager->SetActive(true);
    manager->SetHueOffset(0);
    manager->SetSaturation(0);
    manager->SetIsDefault(true);
    EXPECT_EQ(FRecorder->Commands().size(), afterApply);

    manager->SetSkinName("Desert (internal)");
    EXPECT_EQ(FRecorder->Commands().size(), 2 * afterApply);
    manager->SetActive(false);
    manager->SetActive(false);
    EXPECT_EQ(FRecorder->Commands().size(), 2 * afterApply + 1);
}

TEST_F(SkinManagerTest, HueOffsetThereAndBackRestoresTheSkinsOwnColoursExactly) {
    auto manager = Manager();
    manager->SetSkinName("Desert (internal)");
    manager->SetActive(true);
    const Bitmap master = manager->Model().MasterBitmap;
    EXPECT_EQ(master, TinySkinMaster());
    EXPECT_EQ(manager->Model().GeneralData.at(1).Color, RGB(255, 0, 0));

    FRecorder->Seen.clear();
    manager->SetHueOffset(60);
    // Pure red turned by 60 degrees is yellow; grey and magenta pixels stay.
    EXPECT_EQ(manager->Model().GeneralData.at(1).Color, RGB(255, 255, 0));
    EXPECT_EQ(manager->Model().MasterBitmap.Pixel(0, 0), RGB(255, 255, 0));
    EXPECT_EQ(manager->Model().MasterBitmap.Pixel(6, 3), RGB(128, 128, 128));
    EXPECT_EQ(manager->Model().MasterBitmap.Pixel(8, 3), clFuchsia);
    // A reload of the same skin repaints without announcing a new skin.
    EXPECT_EQ(FRecorder->Commands(), (std::vector<std::uint16_t>{scStopFading, scSetSkin}));

    manager->SetHueOffset(0);
    EXPECT_EQ(manager->Model().MasterBitmap, master);
    EXPECT_EQ(manager->Model().GeneralData.at(1).Color, RGB(255, 0, 0));
}

TEST_F(SkinManagerTest, HueAndSaturationWhileInactiveAreOnlyStoredForTheNextLoad) {
    auto manager = Manager({"NEUTRAL", "DESERT"}, RGB(200, 100, 0));
    manager->SetSkinName("Desert (internal)");
    manager->SetSaturation(50);
    EXPECT_TRUE(FRecorder->Seen.empty());
    manager->SetActive(true);
    // Average 100, moved half its distance again away from the average: 200 + 0.5 * 100 = 250,
    // 100 stays, 0 - 0.5 * 100 is limited to 0.
    EXPECT_EQ(manager->Model().GeneralData.at(1).Color, RGB(250, 100, 0));
}

TEST_F(SkinManagerTest, ASkinChangeRunsItsEventsAndFlagsAroundTheBroadcasts) {
    auto manager = Manager();
    std::vector<std::string> events;
    manager->OnBeforeChange = [&](TObject*) { events.push_back("before " + std::to_string(manager->Model().GeneralData.size())); };
    manager->OnAfterChange = [&](TObject*) { events.push_back("after " + manager->SkinInfo()); };
    manager->SetSkinName("Desert (internal)");
    manager->SetActive(true);
    EXPECT_EQ(events, (std::vector<std::string>{"before 0", "after 5.41"}));

    const TSeenCommand* newSkin = FRecorder->Last(scNewSkin);
    ASSERT_NE(newSkin, nullptr);
    EXPECT_TRUE(newSkin->SkinChanging && newSkin->NewSkin && !newSkin->RemovingSkin);
    EXPECT_FALSE(newSkin->SkinInForce);
    const TSeenCommand* refresh = FRecorder->Last(scSetSkin);
    ASSERT_NE(refresh, nullptr);
    EXPECT_TRUE(refresh->SkinInForce && !refresh->NewSkin);

    manager->SetHueOffset(10);
    EXPECT_EQ(events.size(), 2u);

    manager->SetActive(false);
    const TSeenCommand* remove = FRecorder->Last(scRemoveSkin);
    ASSERT_NE(remove, nullptr);
    EXPECT_TRUE(remove->RemovingSkin && !remove->SkinChanging);
    EXPECT_FALSE(remove->SkinInForce);
    // The model is freed only after every window has let go of it.
    EXPECT_EQ(remove->Sections, 2u);
    EXPECT_FALSE(TsSkinManager::SkinChanging() || TsSkinManager::NewSkin() || TsSkinManager::RemovingSkin());
}

TEST_F(SkinManagerTest, AnErrorInAReceiverLeavesNoFlagSet) {
    auto manager = Manager();
    manager->SetSkinName("Desert (internal)");
    TWndHookHandle thrower = FPanel->PushWindowProc([](TMessage& m, const TWndMethod& next) {
        if (m.Msg == SM_SKINCMD && SkinCmdCode(m.WParam) == scNewSkin) throw std::runtime_error("receiver failed");
        next(m);
    });
    EXPECT_THROW(manager->SetActive(true), std::runtime_error);
    EXPECT_FALSE(TsSkinManager::SkinChanging());
    EXPECT_FALSE(TsSkinManager::NewSkin());
    FPanel->RemoveWindowProc(thrower);
}

TEST_F(SkinManagerTest, TheDefaultManagerPutsTheWindowHookInWhileItsSkinIsInForce) {
    std::vector<std::string> log;
    TacWindowHook::TFactory previous = TacWindowHook::SetFactory(
        [&log](TsSkinManager&) { return std::make_unique<TRecordingHook>(log); });
    auto manager = Manager();
    auto other = Manager();
    ASSERT_TRUE(manager->IsDefault());
    ASSERT_FALSE(other->IsDefault());
    other->SetSkinName("Desert (internal)");
    other->SetActive(true);
    EXPECT_TRUE(log.empty());

    manager->SetActive(true);
    manager->SetSkinName("Desert (internal)");
    EXPECT_EQ(log, (std::vector<std::string>{"install"}));
    EXPECT_TRUE(manager->HookInstalled());
    manager->SetActive(false);
    EXPECT_EQ(log, (std::vector<std::string>{"install", "remove"}));
    EXPECT_FALSE(manager->HookInstalled());
    TacWindowHook::SetFactory(previous);
}

TEST_F(SkinManagerTest, TheDefaultPassesOnlyToAManagerThatAsksWhileNoneOrItselfIsDefault) {
    auto first = Manager();
    auto second = Manager();
    second->SetIsDefault(false);
    EXPECT_TRUE(first->IsDefault());
    second->SetIsDefault(true);
    EXPECT_TRUE(second->IsDefault());
    EXPECT_FALSE(first->IsDefault());
    // Becoming the default while switched off removes the skin from every window.
    EXPECT_EQ(FRecorder->Commands(), (std::vector<std::uint16_t>{scRemoveSkin}));
    second.reset();
    EXPECT_EQ(TsSkinManager::DefaultManager(), nullptr);
    first->SetIsDefault(false);
    EXPECT_TRUE(first->IsDefault());
}

TEST_F(SkinManagerTest, TheHotWindowHearsItLostTheMouseBeforeTheNextOneHearsItGotIt) {
    auto manager = Manager();
    auto* other = new TPanel(FForm);
    other->SetParent(FForm);
    HWND first = FPanel->Handle();
    TSkinRecorder firstLog(*FPanel, true);
    TSkinRecorder secondLog(*other, true);
    manager->SetHotWindow(first);
    manager->SetHotWindow(first);
    manager->SetHotWindow(other->Handle());
    manager->SetHotWindow(nullptr);
    auto codes = [](const TSkinRecorder& r) {
        std::vector<std::uint16_t> out;
        for (const TSeenCommand& seen : r.Seen) out.push_back(seen.Code);
        return out;
    };
    EXPECT_EQ(codes(firstLog), (std::vector<std::uint16_t>{scMouseEntered, scMouseLeft}));
    EXPECT_EQ(codes(secondLog), (std::vector<std::uint16_t>{scMouseEntered, scMouseLeft}));
    EXPECT_TRUE(firstLog.Seen.front().ViaWindow);
    EXPECT_EQ(firstLog.Seen.front().Manager, reinterpret_cast<LPARAM>(manager.get()));
    EXPECT_EQ(manager->HotWindow(), nullptr);
}

TEST_F(SkinManagerTest, LookupsOfAMissingImageGiveNothingRatherThanReadingPastTheList) {
    auto manager = Manager();
    manager->SetSkinName("Desert (internal)");
    manager->SetActive(true);
    const int section = manager->SectionIndex("DESERT");
    const int mask = manager->MaskIndex(section, "DESERT", "BORDERSMASK");
    ASSERT_GE(mask, 0);
    // A 12 x 6 frame of one state: the pieces are a third of each side.
    EXPECT_EQ(manager->BorderLeft(mask), 4);
    EXPECT_EQ(manager->BorderTop(mask), 2);
    EXPECT_EQ(manager->MaskCellSize(mask), (TSize{12, 6}));
    EXPECT_EQ(manager->BorderLeft(mask + 1), 0);
    EXPECT_EQ(manager->BorderBottom(-1), 0);
    EXPECT_EQ(manager->MaskCellSize(99), (TSize{}));
    EXPECT_EQ(manager->GlobalColor(), RGB(255, 0, 0));
}
