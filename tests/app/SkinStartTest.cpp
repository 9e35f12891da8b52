// The game's skin manager: its stored state, a skin named on the command line, and the script
// commands that change the look.
#include "app/TSettingsF.h"
#include "app/TSkinScriptCommands.h"
#include "skin/controls/TsCheckBox.h"
#include "skin/controls/TsComboBox.h"
#include "skin/controls/TsTrackBar.h"
#include "skin/data/TacFormRegistry.h"
#include "skin/data/TacSkinPacker.h"
#include "skin/data/TsSkinManager.h"
#include "tests/app/GameFixture.h"

#include "framework/SysUtils.h"
#include "framework/TStringList.h"

#include <fstream>

namespace {

// A skin of two sections in the Skins folder beside the settings file: packed, or as a folder.
void PutSkin(const std::string& name, const std::string& version, bool packed) {
    const std::string options = "[GLOBALINFO]\nVERSION=" + version + "\n[FORM]\nCOLOR=255\n";
    if (packed) {
        TacSkinPacker packer;
        packer.Add("Options.dat", options);
        std::vector<std::uint8_t> bytes = packer.Pack();
        std::filesystem::create_directories("Skins");
        std::ofstream("Skins/" + name + ".asz", std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return;
    }
    std::filesystem::create_directories("Skins/" + name);
    std::ofstream("Skins/" + name + "/Options.dat") << options;
}

class SkinStartTest : public GameTest {
protected:
    TsSkinManager& Manager() { return *Form1->sSkinManager1; }
    // The manager's state as "active name info".
    std::string State() {
        return Ui([this] {
            return std::string(Manager().Active() ? "on " : "off ") + Manager().SkinName() + " " + Manager().SkinInfo();
        });
    }
    // Runs a script command on the UI thread; its error text, empty when it ran.
    std::string Command(void (TSkinScriptCommands::*command)(const std::string&), const std::string& rest) {
        return Ui([&] {
            try {
                (TSkinScriptCommands(Manager()).*command)(rest);
                return std::string();
            } catch (const std::invalid_argument& error) {
                return std::string(error.what());
            }
        });
    }
};

} // namespace

TEST_F(SkinStartTest, TheMainWindowKeepsItsManagerOffWithTheStoredSkinAndDefaults) {
    Start();
    EXPECT_EQ(State(), "off Desert (internal) N/A");
    Ui([this] {
        EXPECT_TRUE(Manager().IsDefault());
        EXPECT_EQ(Manager().SkinDirectory(), "Skins");
        EXPECT_TRUE(Manager().SkinnedPopups());
        EXPECT_EQ(Manager().MenuSupport().IcoLineSkin, "ICOLINE");
        EXPECT_EQ(Manager().ThirdParty().List(tpButtons), std::vector<std::string>{"TButton"});
        EXPECT_EQ(Manager().ThirdParty().KindOf("TPanel"), tpPanels);
        EXPECT_TRUE(TacFormRegistry::Contains(Form1));
    });
}

TEST_F(SkinStartTest, ASkinNamedAtStartIsInForceOnceTheMainWindowShows) {
    PutSkin("Start", "2.5", true);
    Start(20240611, {1280, 1024}, "Start");
    EXPECT_EQ(State(), "on Start 2.5");
    EXPECT_TRUE(Ui([] { return Form1->Visible(); }));
}

TEST_F(SkinStartTest, TheSettingsDialogShowsTheSkinNamedAtStartSoSavingKeepsIt) {
    Start(20240611, {1280, 1024}, "MacOS (internal)");
    EXPECT_TRUE(Ui([] { return SettingsF->UseSkinChb->Checked(); }));
    EXPECT_EQ(Ui([] { return SettingsF->SkinNameCb->Text(); }), "MacOS (internal)");
    EXPECT_EQ(State().substr(0, 20), "on MacOS (internal) ");
}

TEST_F(SkinStartTest, TheSettingsDialogFollowsALookChangedFromOutsideItUnlessTheSkinIsNotListed) {
    Start();
    Ui([this] {
        Manager().SetSkinName("Wood (internal)");
        Manager().SetHueOffset(90);
        Manager().SetActive(true);
        SettingsF->ShowLookInForce();
    });
    EXPECT_TRUE(Ui([] { return SettingsF->UseSkinChb->Checked(); }));
    EXPECT_EQ(Ui([] { return SettingsF->SkinNameCb->Text(); }), "Wood (internal)");
    EXPECT_EQ(Ui([] { return SettingsF->HueOffsetTb->Position(); }), 90);
    EXPECT_EQ(State().substr(0, 19), "on Wood (internal) ");

    Ui([this] {
        Manager().SetActive(false);
        SettingsF->ShowLookInForce();
    });
    EXPECT_FALSE(Ui([] { return SettingsF->UseSkinChb->Checked(); }));
    EXPECT_EQ(Ui([this] { return Manager().Active(); }), false);

    // A name the list does not hold leaves the dialog, and through it the manager, alone.
    Ui([this] {
        Manager().SetSkinName("Nowhere");
        SettingsF->ShowLookInForce();
    });
    EXPECT_EQ(Ui([] { return SettingsF->SkinNameCb->Text(); }), "Wood (internal)");
    EXPECT_EQ(Ui([this] { return Manager().SkinName(); }), "Nowhere");
}

TEST_F(SkinStartTest, ScriptCommandsSwitchSkinsWithBlanksInTheirNamesAndChangeHueAndSaturation) {
    PutSkin("Two Words", "3.25", false);
    Start();
    // Skin folders are looked for beside the program unless the directory is absolute.
    const std::string skins = (std::filesystem::current_path() / "Skins").string();
    Ui([&] { Manager().SetSkinDirectory(skins); });
    EXPECT_EQ(Command(&TSkinScriptCommands::Skin, "Two Words"), "");
    EXPECT_EQ(State(), "on Two Words 3.25");
    EXPECT_EQ(Command(&TSkinScriptCommands::Hue, "120"), "");
    EXPECT_EQ(Command(&TSkinScriptCommands::Saturation, "40"), "");
    // COLOR=255 is pure red: turned by 120 degrees it is pure green, which saturation keeps.
    EXPECT_EQ(Ui([this] { return Manager().Model().GeneralData.at(1).Color; }), RGB(0, 255, 0));
    EXPECT_EQ(Ui([this] { return Manager().HueOffset() * 1000 + Manager().Saturation(); }), 120040);

    EXPECT_NE(Command(&TSkinScriptCommands::Hue, "12 degrees"), "");
    EXPECT_NE(Command(&TSkinScriptCommands::Saturation, ""), "");
    EXPECT_NE(Command(&TSkinScriptCommands::Skin, ""), "");
    EXPECT_EQ(Ui([this] { return Manager().HueOffset(); }), 120);

    EXPECT_EQ(Command(&TSkinScriptCommands::Skin, "off"), "");
    EXPECT_EQ(State(), "off Two Words N/A");
}

TEST_F(SkinStartTest, EveryInternalSkinIsListedFirstAmongTheSkinsAndComesIntoForceByItsName) {
    Start();
    const std::vector<std::string> internal{"Neutral2 (internal)", "Desert (internal)",    "BlueIce (internal)",
                                            "HeroesStyle (internal)", "MacOS (internal)", "Winter2003 (internal)",
                                            "Wood (internal)"};
    Ui([&] {
        TStringList list;
        std::string first;
        Manager().ListSkinNames(list, slAll, first);
        EXPECT_EQ(first, "Neutral2 (internal)");
        for (const std::string& name : internal) EXPECT_GE(list.IndexOf(name), 0) << name;
        for (int i = 1; i < list.Count(); ++i) EXPECT_LE(AnsiCompareText(list[i - 1], list[i]), 0);
    });
    for (const std::string& name : internal) {
        EXPECT_EQ(Command(&TSkinScriptCommands::Skin, name), "");
        EXPECT_EQ(Ui([this] { return Manager().SkinName(); }), name);
        EXPECT_NE(Ui([this] { return Manager().SkinInfo(); }), "N/A") << name;
        EXPECT_GT(Ui([this] { return static_cast<int>(Manager().Model().GeneralData.size()); }), 10) << name;
    }
}
